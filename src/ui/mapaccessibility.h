// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace teskaro {

// Lets a screen reader walk the knowledge map: the canvas lists its things
// and deductions as children, each named by its phrase and its arrows in
// words, focusable, and told when focused. A factory for
// QAccessible::installFactory; null for anything but the map's canvas and
// items.
QAccessibleInterface *createMapInterface(const QString &className, QObject *object);

} // namespace teskaro

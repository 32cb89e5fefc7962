// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tableloading.h"

#include "knowledge/knowledgeloader.h"
#include "session.h"

namespace teskaro {

using namespace Qt::StringLiterals;

QString reloadTable(Session &session)
{
    KnowledgeTable &table = session.table();
    table.clear();
    const QString file = session.knowledgeFile();
    const LoadOutcome outcome = loadKnowledgeTable(file, table);
    session.showCount(table.recordCount());
    return loadNote(file, outcome);
}

QString loadNote(const QString &file, const LoadOutcome &outcome)
{
    const QString capacity = QString::number(KnowledgeTable::capacity);
    switch (outcome.status) {
    case LoadOutcome::Status::Loaded:
    case LoadOutcome::Status::Missing:
        return {};
    case LoadOutcome::Status::Unreadable:
        return u"$ No es posible leer la base de conocimientos "_s + file + u": "_s +
               outcome.reason;
    case LoadOutcome::Status::Overflow:
        return u"$ La base de conocimientos "_s + file + u" tiene más de "_s + capacity +
               u" registros: solo se han leído los "_s + capacity + u" primeros"_s;
    case LoadOutcome::Status::Incomplete:
        return u"$ El último registro de "_s + file +
               u" está incompleto y no se ha tenido en cuenta"_s;
    }
    return {};
}

} // namespace teskaro

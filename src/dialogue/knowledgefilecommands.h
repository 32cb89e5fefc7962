// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/knowledgefile.h"
#include "services.h"

#include <QString>

namespace teskaro {

class Session;

// Starts "IND.BAT", which sorts the file TESKARO_ARCHIVO names: here the
// given knowledge file, by its absolute path, whatever the variable held in
// our own environment. False when it cannot be started.
bool startSortCommand(const Platform &platform, const QString &knowledgeFile);

// What the user does with the knowledge file as a whole: choose another
// one, copy it under a new name, sort it, remove its repeated records.
// Choosing or copying leaves the table counted as not loaded until the next
// question reads the file.
class KnowledgeFileCommands
{
public:
    KnowledgeFileCommands(Session &session, const Services &services);

    void beginOpen();
    void open(const QString &path);
    bool saveAs(const QString &path, ExistingFile whenExisting);
    void cancelSaveAs();
    void sort();
    void removeRepeatedRecords();

private:
    Session &m_session;
    Services m_services;
};

} // namespace teskaro

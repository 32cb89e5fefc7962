#pragma once

#include "knowledge/knowledgeloader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/resource.h>

namespace teskaro::testing {

// Something hostile standing where a knowledge file should be, and what
// each part of the program must make of it. An empty reason means the
// operation works.
struct HostileFile
{
    const char *tag = nullptr;
    // Creates it under the name in the working folder.
    void (*make)(const QString &name) = nullptr;
    bool needsPermissions = false; // only binds a test that is not the superuser
    bool diskFull = false;         // writing stops at a file-size limit
    LoadOutcome::Status load = LoadOutcome::Status::Loaded;
    QString readReason = {}; // why it cannot be loaded, or copied by save-as
    bool startsUp = true;
    QString learnReason = {};   // why learning into it is refused
    QString replaceReason = {}; // why save-as cannot copy another file onto it
    QString toolReason = {};    // what the sort and repetido say; empty when they rewrite it
};

const QList<HostileFile> &hostileFiles();

// One data row per hostile file, in the column "hostile".
void addHostileRows();
const HostileFile &fetchHostile();

// Permissions do not bind the superuser: when it runs a row that needs them,
// the row runs again in a child process as nobody. True when that happened;
// the caller returns at once, its verdict being the child's.
bool ranAsNobody(const HostileFile &hostile);

// What a file is: its type and mode, inode, size and the hash of its bytes
// when it can be read.
QByteArray fingerprint(const QString &name);

// Limits the size of any file this process writes, as a full disk would,
// for as long as it lives; a write past the limit fails with EFBIG. A
// negative size sets no limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

private:
    rlimit m_previous{};
    bool m_active = false;
};

} // namespace teskaro::testing

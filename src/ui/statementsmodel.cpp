// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statementsmodel.h"

#include "knowledge/recordformat.h"

namespace teskaro {

using namespace Qt::StringLiterals;

StatementsModel::StatementsModel(Correction correct, QObject *parent)
    : QAbstractTableModel(parent)
    , m_correct(std::move(correct))
{}

void StatementsModel::setListing(const KnowledgeListing &listing)
{
    beginResetModel();
    m_listing = listing;
    endResetModel();
}

int StatementsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_listing.statements.size());
}

int StatementsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StatementsModel::data(const QModelIndex &index, int role) const
{
    const KnowledgeStatement &statement = m_listing.statements[index.row()];
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
        case Number:
            return index.row() + 1;
        case Topic:
            return trimBlanks(statement.shown.topic).toString();
        case Rest:
            return trimBlanks(statement.shown.statement).toString();
        case Mirror:
            return statement.mirrorRow < 0 ? u"sin registro espejo"_s : QString();
        }
    }
    // Read out, an empty cell would say nothing.
    if (role == Qt::AccessibleTextRole && index.column() == Mirror && statement.mirrorRow >= 0)
        return u"con registro espejo"_s;
    return {};
}

QVariant StatementsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString titles[] = {u"Nº"_s, u"Tema"_s, u"Resto"_s, u"Espejo"_s};
    return titles[section];
}

Qt::ItemFlags StatementsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if ((index.column() == Topic || index.column() == Rest) && m_listing.readOnly.isEmpty())
        result |= Qt::ItemIsEditable;
    return result;
}

bool StatementsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || value.toString() == data(index, role).toString())
        return false;
    const KnowledgeStatement &statement = m_listing.statements[index.row()];
    const QString text = value.toString();
    m_correct(statement,
              index.column() == Topic ? text : trimBlanks(statement.shown.topic).toString(),
              index.column() == Rest ? text : trimBlanks(statement.shown.statement).toString());
    return false; // the file changes, and the listing with it
}

} // namespace teskaro

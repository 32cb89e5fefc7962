// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/knowledgelisting.h"

#include <QAbstractTableModel>

#include <functional>

namespace teskaro {

// The statements of a knowledge file as a table: number in file order,
// topic, rest, and a mark on those without a mirror record. An edited
// topic or rest goes to the correction given; the model itself changes
// only with a new listing.
class StatementsModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Number,
        Topic,
        Rest,
        Mirror,
        ColumnCount
    };
    using Correction =
        std::function<void(const KnowledgeStatement &, const QString &topic, const QString &rest)>;

    explicit StatementsModel(Correction correct, QObject *parent = nullptr);

    void setListing(const KnowledgeListing &listing);
    const KnowledgeListing &listing() const { return m_listing; }
    const KnowledgeStatement &statement(int row) const { return m_listing.statements[row]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    KnowledgeListing m_listing;
    Correction m_correct;
};

} // namespace teskaro

#pragma once
// The adviser's results as a Qt table: one row per candidate in rank order, a proxy that
// filters by shape, material and "works only" and sorts by the numbers behind the texts.
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "common/adviser/ranking.h"
#include "common/data/corebase.h"

namespace fb {

class CandidateModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Core,
        Material,
        Shape,
        Works,
        TotalLoss,
        CoreLoss,
        CopperLoss,
        Temperature,
        Volume,
        Mass,
        Turns,
        Gap,
        Flux,
        Fill,
        Reason,
        ColumnCount
    };
    // The number a column sorts by; unknown values sort after every known one.
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit CandidateModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Replaces the rows, ranked by total loss.
    void SetCandidates(std::vector<Candidate> candidates);
    const Candidate& At(int row) const { return m_rows.at(static_cast<size_t>(row)); }
    const std::vector<Candidate>& Candidates() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const Candidate& c, int column) const;
    double Number(const Candidate& c, int column) const;
    std::vector<Candidate> m_rows;
};

class CandidateProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CandidateProxy(QObject* parent = nullptr);
    void SetFilter(const CandidateFilter& filter);
    const CandidateFilter& Filter() const { return m_filter; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    CandidateFilter m_filter;
};

}  // namespace fb

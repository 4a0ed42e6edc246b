#include "common/ui/advisermodel.h"

#include <QBrush>
#include <QColor>
#include <cmath>
#include <limits>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/files/fieldcatalogue.h"
#include "common/ui/language.h"

namespace fb {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Fixed(double v, int decimals) { return std::isfinite(v) ? Q(FormatFixed(v, decimals)) : QStringLiteral("—"); }

QString Joined(const std::vector<std::string>& lines, const char* separator) {
    QStringList out;
    for (const std::string& l : lines) out << Q(LocalizedRuns(l));
    return out.join(QString::fromUtf8(separator));
}

}  // namespace

void CandidateModel::SetCandidates(std::vector<Candidate> candidates) {
    beginResetModel();
    m_rows = Rank(candidates, SortKey::TotalLoss);
    endResetModel();
}

int CandidateModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CandidateModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString CandidateModel::Text(const Candidate& c, int column) const {
    switch (column) {
    case Core: return Q(c.core);
    case Material: return Q(c.material);
    case Shape: return ui::Translated(QString::fromUtf8(ShapeCaption(c.shape)));
    case Works: return ui::Translated(c.works ? QStringLiteral("да") : QStringLiteral("нет"));
    case TotalLoss: return Fixed(c.totalLoss, 3);
    case CoreLoss: return Fixed(c.coreLoss, 3);
    case CopperLoss: return Fixed(c.copperLoss, 3);
    case Temperature: return Fixed(c.temperatureRise, 1);
    case Volume: return Fixed(c.volume, 3);
    case Mass: return Fixed(c.mass, 1);
    case Turns: return Fixed(c.turns, 0);
    case Gap: return Q(c.gapText);
    case Flux: return Fixed(c.flux, 3);
    case Fill: return Fixed(std::isnan(c.buildFill) ? c.fill : c.buildFill, 3);
    case Reason: return Joined(c.reasons, "; ");
    }
    return {};
}

double CandidateModel::Number(const Candidate& c, int column) const {
    switch (column) {
    case Works: return c.works ? 0 : 1;  // working ones first
    case TotalLoss: return c.totalLoss;
    case CoreLoss: return c.coreLoss;
    case CopperLoss: return c.copperLoss;
    case Temperature: return c.temperatureRise;
    case Volume: return c.volume;
    case Mass: return c.mass;
    case Turns: return c.turns;
    case Gap: return c.gap;
    case Flux: return c.flux;
    case Fill: return std::isnan(c.buildFill) ? c.fill : c.buildFill;
    case Shape: return c.shape;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

QVariant CandidateModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Candidate& c = At(index.row());
    switch (role) {
    case Qt::DisplayRole: return Text(c, index.column());
    case SortRole: {
        if (index.column() == Core || index.column() == Material || index.column() == Reason)
            return Text(c, index.column());
        const double v = Number(c, index.column());
        return std::isnan(v) ? std::numeric_limits<double>::infinity() : v;
    }
    case Qt::ToolTipRole:
        if (!c.works) return Joined(c.reasons, "\n");
        break;
    case Qt::ForegroundRole:
        if (!c.works) return QBrush(QColor(160, 0, 0));
        break;
    case Qt::TextAlignmentRole:
        if (index.column() >= TotalLoss && index.column() <= Fill)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        break;
    }
    return {};
}

QVariant CandidateModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const captions[ColumnCount] = {caption::kCore, caption::kMaterial, "Форма",      "Работает",
                                                      "Потери, Вт",   "В сердечнике, Вт", "В меди, Вт", "Перегрев, K",
                                                      "Ve, см3",      "Масса, г",         "Витки",      "Зазор, мм",
                                                      "Индукция, T",  "Заполнение",       "Причина"};
    return section >= 0 && section < ColumnCount ? ui::Translated(QString::fromUtf8(captions[section])) : QVariant();
}

CandidateProxy::CandidateProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(CandidateModel::SortRole);
}

void CandidateProxy::SetFilter(const CandidateFilter& filter) {
    m_filter = filter;
    invalidateFilter();
}

bool CandidateProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const auto* model = qobject_cast<const CandidateModel*>(sourceModel());
    return model && m_filter.Accepts(model->At(sourceRow));
}

// Equal values keep the rank order of the source rows (the proxy sorts stably).
bool CandidateProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant l = left.data(sortRole()), r = right.data(sortRole());
    if (l.typeId() == QMetaType::Double && r.typeId() == QMetaType::Double) return l.toDouble() < r.toDouble();
    return QString::compare(l.toString(), r.toString(), Qt::CaseInsensitive) < 0;
}

}  // namespace fb

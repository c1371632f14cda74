#include "statistics/ui/CStatListModel.h"

#include "shell/qt/QtText.h"

namespace zyk {

CStatListModel::CStatListModel(Count count, Text text, QObject* parent)
    : QAbstractListModel(parent), m_count(std::move(count)), m_text(std::move(text)) {}

int CStatListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_count());
}

QVariant CStatListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(m_text(static_cast<std::size_t>(index.row())), false);
        case Qt::ForegroundRole:
            return m_textColour ? QVariant(*m_textColour) : QVariant();
        case Qt::BackgroundRole:
            return m_background ? QVariant(*m_background) : QVariant();
        default:
            return {};
    }
}

void CStatListModel::Reload() {
    beginResetModel();
    endResetModel();
}

void CStatListModel::SetRowColours(std::optional<QColor> text, std::optional<QColor> background) {
    if (text == m_textColour && background == m_background) {
        return;
    }
    m_textColour = text;
    m_background = background;
    if (rowCount() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::ForegroundRole, Qt::BackgroundRole});
    }
}

}  // namespace zyk

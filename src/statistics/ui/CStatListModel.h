#pragma once

#include <QAbstractListModel>
#include <QColor>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace zyk {

// A list box's rows read straight from a page's core (Windows-1252 texts), so a million values
// cost no copies. The rows may carry their own text and background colours (the tinted schemes
// draw each row's text on a background of its own).
class CStatListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using Count = std::function<std::size_t()>;
    using Text = std::function<const std::string&(std::size_t)>;

    CStatListModel(Count count, Text text, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The core's rows changed.
    void Reload();
    // Row colours; nothing: the list's own.
    void SetRowColours(std::optional<QColor> text, std::optional<QColor> background);

private:
    Count m_count;
    Text m_text;
    std::optional<QColor> m_textColour;
    std::optional<QColor> m_background;
};

}  // namespace zyk

#pragma once

#include <QListWidget>
#include <array>
#include <cstdint>

// One flags byte as eight check rows: row i is bit i, the top row bit 0.
// A click anywhere on a row, or Space on the current row, toggles it.
class FlagList : public QListWidget {
    Q_OBJECT
public:
    explicit FlagList(const std::array<QString, 8>& rowTexts, QWidget* parent = nullptr);

    // Sets all eight rows, so nothing of the record shown before remains.
    void load(std::uint8_t flags);
    std::uint8_t save() const;

    // Tall enough for the eight rows, no more.
    QSize sizeHint() const override;
};

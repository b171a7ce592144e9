#pragma once

#include <QString>
#include <QStringList>

// The open dialog's filter list arrives in the common dialog's form,
// "Shown|*.a;*.b|Shown|*.c", and Qt wants "Shown (patterns)" name filters.
// Each Qt filter is the shown text followed by one parenthesised group of Qt
// patterns; a dialog with QFileDialog::HideNameFilterDetails strips that last
// group, so the list shows the shown text exactly.
//  - "*.*" means every file, also one without a dot, so it becomes "*";
//  - the common dialog matches without regard to case, so every letter of a
//    pattern becomes a class of both cases: "*.smc" -> "*.[sS][mM][cC]".
QStringList qtNameFilters(const QString& filter);

// One pattern of the common dialog as a Qt wildcard pattern (rules above).
QString qtPattern(const QString& pattern);

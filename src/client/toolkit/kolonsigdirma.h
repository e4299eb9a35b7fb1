// The tag-weighted column fitting: every visible column carries an integer
// weight; one unit of width is the whole-number part of
// (grid width − 30) / sum of the visible weights; a column gets weight × unit.
#pragma once

#include <QVector>

namespace kt {

// 0 when the columns cannot be fitted: no weight to share (sum ≤ 0) or a
// grid too narrow to give a unit of at least one pixel. Callers then leave
// the widths as they are instead of dividing by zero or collapsing them.
int agirlikBirimi(int izgaraGenisligi, int agirlikToplami);

// Widths for the given weights (visible columns only, in order); a column of
// weight 0 still gets `enAz` pixels so that it stays visible. Empty when
// agirlikBirimi is 0.
QVector<int> agirlikliGenislikler(const QVector<int> &agirliklar, int izgaraGenisligi, int enAz = 20);

}  // namespace kt

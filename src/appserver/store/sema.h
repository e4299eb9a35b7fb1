// The schema as a list of steps; step n brings a store from user_version n
// to n+1. A step, once released, is never edited: add a new one instead.
#pragma once

#include <QStringList>
#include <vector>

namespace ks {

const std::vector<QStringList> &semaAdimlari();

}  // namespace ks

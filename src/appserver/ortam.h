// What every method handler and web page of the server shares.
#pragma once

#include "store/depo.h"

namespace ks {

struct Ortam {
    Depo &depo;
    int aramaSiniri = 500;     // most rows a stock search answers
};

}  // namespace ks

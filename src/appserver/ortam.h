// What every method handler and web page of the server shares.
#pragma once

#include "store/depo.h"

namespace ks {

struct Ortam {
    Depo &depo;
    int aramaSiniri = 500;     // most rows a stock search answers
    int listeSiniri = 5000;    // most rows of the new and campaign lists
};

}  // namespace ks

// The header banner's picture: the toolkit's animated picture with the two
// steps the banner loader uses to show it running or hide it stopped.
#pragma once

#include "animasyonluresim.h"

namespace katalog {

class TGifResim : public kt::AnimasyonluResim {
    Q_OBJECT
public:
    using kt::AnimasyonluResim::AnimasyonluResim;

    void GosterAnim()   // animation on, then show
    {
        SetAnimate(true);
        show();
    }
    void GizleDurdur()  // hide, then animation off
    {
        hide();
        SetAnimate(false);
    }
};

}  // namespace katalog

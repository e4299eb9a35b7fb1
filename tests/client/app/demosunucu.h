// A demo korvel-server for the login tests, with this workstation
// registered for the demo user a test names.
#pragma once

#include "sunucusureci.h"

class DemoSunucu {
public:
    kt::SunucuSureci s{20};

    bool baslat(QString *hata)
    {
        if (s.baslat())
            return true;
        *hata = s.hata();
        return false;
    }

    // Registers workstation `id` for the user `adi` (in place of another).
    bool kaydet(const QString &adi, const QString &id)
    {
        return s.yonetim({QStringLiteral("register"), adi, id, QStringLiteral("test")}) == 0;
    }

    QString adres() const { return QStringLiteral("127.0.0.1:%1").arg(s.port()); }
};

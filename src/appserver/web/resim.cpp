#include "resim.h"

#include "docs/stokresmi.h"

#include <httplib.h>

namespace ks {

namespace {

// A whole positive number of at most nine digits, nothing else.
int sayiOku(const std::string &s)
{
    if (s.empty() || s.size() > 9)
        return -1;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

void resimServisiniKaydet(httplib::Server &s, Ortam &o)
{
    s.Get("/resimcoklu.ashx", [&o](const httplib::Request &req, httplib::Response &res) {
        const int id = req.has_param("id") ? sayiOku(req.get_param_value("id")) : -1;
        const int no = req.has_param("resim") ? sayiOku(req.get_param_value("resim")) : -1;
        const std::optional<KodlanmisResim> r = id > 0 && no >= 1 && no <= 4 ? stokResmi(o.depo, id, no) : std::nullopt;
        if (!r) {
            res.status = 404;
            res.set_content("Resim bulunamadı", "text/plain; charset=utf-8");
            return;
        }
        res.set_header("Cache-Control", "max-age=3600");
        res.set_content(r->veri.constData(), size_t(r->veri.size()), r->icerikTipi.constData());
    });
}

}  // namespace ks

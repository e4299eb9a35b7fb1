// Program entry of the dealer's desktop client.
#include "Unit1.h"
#include "beklesinu.h"
#include "stil.h"
#include "testkancalari.h"

#include <QApplication>
#include <QScreen>

namespace {

// The application's default error display: an exception that escapes an
// event handler is shown in an error box and the program goes on.
class TUygulama : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *alici, QEvent *olay) override
    {
        try {
            return QApplication::notify(alici, olay);
        } catch (...) {
            UygulamaHatasiGoster(std::current_exception());
        }
        return false;
    }
};

}  // namespace

int main(int argc, char *argv[])
{
    TUygulama app(argc, argv);
    kt::StilUygula(app);
    OrtamKancalariniKur();

    TForm1 Form1;
    if (!Form1.FormCreate())
        return 0;
    // Also where no window manager maximises it.
    Form1.setGeometry(Form1.screen()->availableGeometry());
    Form1.showMaximized();
    return app.exec();
}

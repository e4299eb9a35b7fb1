// korvel-kimlik: prints this workstation's ID, the one the server registers
// (`korvel-server … admin register <user> <id>`).
#include "utils.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("%s\n", BilgisayarIdAl().toUtf8().constData());
    return 0;
}

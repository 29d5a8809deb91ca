#include "bench/feuillep.h"

FeuilleP::FeuilleP(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("feuilleP"));
    setWindowTitle(QStringLiteral("Titrage colorimétrique"));
    resize(800, 600);
}

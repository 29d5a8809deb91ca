#pragma once
// The main window: the titration bench.

#include <QWidget>

class FeuilleP : public QWidget {
    Q_OBJECT
public:
    explicit FeuilleP(QWidget* parent = nullptr);
};

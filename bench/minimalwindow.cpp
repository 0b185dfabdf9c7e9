// The yardstick of the start-up benchmark: the smallest Qt Widgets window with a few
// controls, measured exactly as the program is.
#include "startupprobe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    CStartupProbe probe(1000);
    qtApp.installEventFilter(&probe);
    QWidget window;
    auto* pLayout = new QVBoxLayout(&window);
    pLayout->addWidget(new QLabel(QStringLiteral("Question")));
    pLayout->addWidget(new QLineEdit);
    pLayout->addWidget(new QPushButton(QStringLiteral("Submit")));
    window.show();
    return qtApp.exec();
}

#include <QtTest>

class Placeholder final : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Placeholder)
#include "tst_app_title.moc"

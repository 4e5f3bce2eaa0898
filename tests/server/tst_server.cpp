#include <QtTest>
class TstServer : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TstServer)
#include "tst_server.moc"

// The command line of the desktop program.
#include "qt/command_line.h"

#include <QTest>

using lumio::CommandLine;
using lumio::ParseCommandLine;
using Action = CommandLine::Action;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void actions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");
        QTest::newRow("nothing") << QStringList{} << int(Action::Run) << "";
        QTest::newRow("a file") << QStringList{"novel.txt"} << int(Action::Run) << "novel.txt";
        QTest::newRow("help") << QStringList{"--help"} << int(Action::Help) << "";
        QTest::newRow("short help") << QStringList{"-h"} << int(Action::Help) << "";
        QTest::newRow("help wins over a file")
            << QStringList{"a.txt", "--help"} << int(Action::Help) << "";
        QTest::newRow("version") << QStringList{"--version"} << int(Action::Version) << "";
        QTest::newRow("unknown option") << QStringList{"--speed"} << int(Action::Error) << "";
        QTest::newRow("two files") << QStringList{"a.txt", "b.txt"} << int(Action::Error) << "";
        QTest::newRow("dash file after --")
            << QStringList{"--", "-odd.txt"} << int(Action::Run) << "-odd.txt";
        QTest::newRow("Qt's options are Qt's")
            << QStringList{"-platform", "offscreen", "x.txt"} << int(Action::Run) << "x.txt";
        QTest::newRow("a lone dash is a file") << QStringList{"-"} << int(Action::Run) << "-";
    }
    void actions() {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        QFETCH(QString, file);
        std::vector<std::string> argv;
        for (const QString& a : args) {
            argv.push_back(a.toStdString());
        }
        const CommandLine c = ParseCommandLine(argv);
        QCOMPARE(int(c.action), action);
        QCOMPARE(QString::fromStdString(c.file), file);
        QCOMPARE(c.error.empty(), action != int(Action::Error));
    }
    void texts() {
        QVERIFY(lumio::HelpText().find("Usage: lumio [FILE.txt]") == 0);
        QCOMPARE(QString::fromStdString(lumio::VersionText()),
                 QStringLiteral("lumio %1\n").arg(LUMIO_VERSION));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

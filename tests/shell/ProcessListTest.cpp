// Other users can read every process's command line: the running program shows the address
// and its switches there, but none of its communities or pass phrases.
#include "TempDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ProcessList, ShowsNoCommunityOrPassPhraseOfTheProgramsCommandLine) {
    qs::test::TempDir dir;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KRS_REGISTRY_FILE"), QString::fromStdString(dir.Path("registry.ini")));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QString::fromStdString(dir.Dir()));
    program.start(QStringLiteral(KRS_MANAGER_EXE), {"/I127.0.0.1", "/Rreadsecret1", "/Wwritesecret2", "/v3",
                                                    "/Aauthsecret3", "x/Pprivsecret4"});
    ASSERT_TRUE(program.waitForStarted(10000));
    // The boot counter is written once start-up is past the command line.
    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::exists(dir.Path("QsSNMP_PP_BootCounter")) && waited.elapsed() < 60000 &&
           program.state() == QProcess::Running) {
        QThread::msleep(20);
    }
    ASSERT_EQ(program.state(), QProcess::Running);
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(program.processId()));
    ASSERT_TRUE(cmdline.open(QIODevice::ReadOnly));
    const QByteArray shown = cmdline.readAll();
    program.kill();
    program.waitForFinished(10000);
    EXPECT_TRUE(shown.contains("/I127.0.0.1"));
    EXPECT_TRUE(shown.contains("/v3"));
    for (const char* secret : {"readsecret1", "writesecret2", "authsecret3", "privsecret4"}) {
        EXPECT_FALSE(shown.contains(secret)) << secret;
    }
}

} // namespace

// The Debian package that `cpack -G DEB` makes of this build: clean under lintian, and complete in
// what the programs need without linking it (fonts, plugins); and the set-up scripts a fresh
// machine runs first.

#include "support/print_qstring.h"
#include "support/program_run.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testing_support::Finished;
using testing_support::runToEnd;

namespace {

class DebianPackage : public ::testing::Test {
protected:
    // The package that the test DebianPackage.IsMade makes for every case of a CTest run; a case
    // run on its own takes the package of the last run, or makes one there when there is none.
    static void SetUpTestSuite()
    {
        const QDir made(QStringLiteral(VARNEL_TEST_PACKAGE_DIR));
        if (!made.entryList({"varnel_*.deb"}, QDir::Files).isEmpty()) {
            make_ = {true, 0, {}};
            return;
        }
        make_ = runToEnd(QStringLiteral(VARNEL_CPACK_COMMAND),
                         {"-G", "DEB", "--config", QStringLiteral(VARNEL_BUILD_DIR "/CPackConfig.cmake"), "-B",
                          made.path()},
                         60);
    }
    void SetUp() override
    {
        ASSERT_TRUE(make_.ended && make_.exitCode == 0) << make_.output.toStdString();
        const QDir directory(QStringLiteral(VARNEL_TEST_PACKAGE_DIR));
        const QStringList made = directory.entryList({"varnel_*.deb"}, QDir::Files);
        ASSERT_EQ(made.size(), 1) << make_.output.toStdString();
        package = directory.filePath(made.front());
    }

    // The names of the packages the package depends on.
    QStringList dependencies() const
    {
        const Finished field = runToEnd("dpkg-deb", {"--field", package, "Depends"}, 30);
        EXPECT_EQ(field.exitCode, 0) << field.output.toStdString();
        QStringList names;
        for (const QString& alternatives : field.output.split(u',', Qt::SkipEmptyParts))
            for (const QString& dependency : alternatives.split(u'|'))
                names << dependency.trimmed().section(u' ', 0, 0).section(u':', 0, 0);
        return names;
    }

    // The package's files installed into a temporary root.
    QString unpacked()
    {
        const Finished extract = runToEnd("dpkg-deb", {"--extract", package, root.path()}, 30);
        EXPECT_EQ(extract.exitCode, 0) << extract.output.toStdString();
        return root.path();
    }

    QString package;
    QTemporaryDir root;
    static inline Finished make_;
};

}  // namespace

TEST_F(DebianPackage, LintianFindsNothingToSay)
{
    const Finished check = runToEnd("lintian", {package}, 60);
    ASSERT_TRUE(check.ended);
    QStringList said = check.output.split(u'\n', Qt::SkipEmptyParts);
    said.removeAll(QStringLiteral("running with root privileges is not recommended!"));
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    EXPECT_TRUE(said.isEmpty()) << said.join(u'\n').toStdString();
}

TEST_F(DebianPackage, EveryFaceTheProgramsAskForIsDrawnByAFontOfADeclaredDependency)
{
    // A root that holds the package's own files and those of the packages it depends on (as this
    // machine has them installed), and a font configuration that sees the fonts of that root only.
    unpacked();
    for (const QString& dependency : dependencies()) {
        const Finished files = runToEnd("dpkg-query", {"--listfiles", dependency}, 30);
        ASSERT_EQ(files.exitCode, 0) << dependency.toStdString() << " is not installed here";
        for (const QString& file : files.output.split(u'\n', Qt::SkipEmptyParts)) {
            if (!QFileInfo(file).isFile() || !file.startsWith(u'/'))
                continue;
            QDir().mkpath(root.path() + QFileInfo(file).path());
            QFile::link(file, root.path() + file);
        }
    }
    QTemporaryDir scratch;
    QFile configuration(scratch.filePath("fonts.conf"));
    ASSERT_TRUE(configuration.open(QIODevice::WriteOnly));
    configuration.write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                                       "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                                       "<fontconfig>\n"
                                       "  <dir>%1/usr/share/fonts</dir>\n"
                                       "  <cachedir>%2/cache</cachedir>\n"
                                       "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                                       "</fontconfig>\n")
                            .arg(root.path(), scratch.path())
                            .toUtf8());
    configuration.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FONTCONFIG_FILE", configuration.fileName());
    environment.insert("HOME", scratch.path());
    environment.remove("XDG_DATA_HOME");

    // The faces the windows and printouts name, and the face that must draw each: the face
    // itself, or the one whose widths are the same, as the layout's captions need.
    const struct {
        const char* asked;
        const char* drawnBy;
        const char* where;
    } faces[] = {
        {"FreeSans", "FreeSans", "the form font (and the design's MS Sans Serif and Small Fonts)"},
        {"Arial", "Liberation Sans", "printouts, the definitions, the filler metals, the calculator's test box"},
        {"Courier", "Liberation Mono", "the cross-reference table and the interpretation text"},
    };
    for (const auto& face : faces) {
        const Finished match = runToEnd("fc-match", {"--format=%{family[0]}|%{file}", face.asked}, 30, environment);
        ASSERT_EQ(match.exitCode, 0) << match.output.toStdString();
        EXPECT_EQ(match.output.section(u'|', 0, 0), face.drawnBy) << face.asked << " for " << face.where;
        EXPECT_TRUE(match.output.section(u'|', 1).startsWith(root.path())) << match.output.toStdString();
    }
}

TEST_F(DebianPackage, EveryPluginTheProgramsLoadComesWithADeclaredDependency)
{
    // The programs of the package, each run until its window is up, tell which plugins they load.
    const QString installed = unpacked();
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("XDG_CONFIG_DIRS", home.filePath("no-system-files"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_DEBUG_PLUGINS", "1");
    QString said = runToEnd(installed + "/usr/bin/varnel", {"CLOSE"}, 40, environment).output;
    {
        // Sorvik has no command to end it: it is ended once it has stored the section it shows.
        QProcess sorvik;
        sorvik.setProcessEnvironment(environment);
        sorvik.setProcessChannelMode(QProcess::MergedChannels);
        sorvik.start(installed + "/usr/bin/sorvik", {"SECT INT09"});
        ASSERT_TRUE(sorvik.waitForStarted());
        const QString settings = home.filePath("Quorbel software/settings.ini");
        for (int waited = 0; waited < 400 && sorvik.state() == QProcess::Running; ++waited) {
            sorvik.waitForFinished(100);
            QFile file(settings);
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains("default%20section="))
                break;
        }
        sorvik.kill();
        sorvik.waitForFinished();
        said += QString::fromLocal8Bit(sorvik.readAll());
    }

    const QStringList declared = dependencies();
    QStringList plugins;
    static const QRegularExpression loaded(R"re("([^"]+/plugins/[^"]+)" loaded library)re");
    for (auto match = loaded.globalMatch(said); match.hasNext();)
        plugins << match.next().captured(1);
    plugins.removeDuplicates();
    ASSERT_FALSE(plugins.isEmpty()) << said.toStdString();
    for (const QString& plugin : plugins) {
        const Finished owner = runToEnd("dpkg-query", {"--search", plugin}, 30);
        ASSERT_EQ(owner.exitCode, 0) << owner.output.toStdString();
        const QString package = owner.output.section(u':', 0, 0);
        EXPECT_TRUE(declared.contains(package)) << plugin.toStdString() << " comes with " << package.toStdString();
    }
}

TEST(SetUpScripts, WithoutRootOrSudoTheyNameTheLineToRunAsRootAndEndWithStatusOne)
{
    // A person's machine as the scripts see it: no package installed yet, not root, and no sudo
    // on the path; the few programs the scripts run before they install anything are there.
    QTemporaryDir tools;
    for (const char* program : {"bash", "grep", "dirname"}) {
        const QString found = QStandardPaths::findExecutable(program);
        ASSERT_FALSE(found.isEmpty()) << program;
        ASSERT_TRUE(QFile::link(found, tools.filePath(program)));
    }
    const auto script = [&](const char* name, const QByteArray& text) {
        QFile file(tools.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + text + "\n");
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    };
    script("id", "echo 1000");
    script("dpkg-query", "exit 1");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", tools.path());

    for (const char* command : {"scripts/install-deps", "scripts/test", "scripts/run"}) {
        SCOPED_TRACE(command);
        const Finished run = runToEnd(testing_support::sourceDir() + u'/' + command, {}, 30, environment);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
        const QStringList lines = run.output.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2) << run.output.toStdString();
        EXPECT_EQ(lines[0], "install-deps: installing packages needs root, and there is no sudo; run as root:");
        EXPECT_TRUE(lines[1].startsWith("  apt-get update -q && apt-get install -y -q --no-install-recommends "
                                        "build-essential cmake "))
            << lines[1].toStdString();
        EXPECT_TRUE(lines[1].contains(" file lintian ")) << lines[1].toStdString();
        EXPECT_TRUE(lines[1].endsWith(" && localedef -i tr_TR -f UTF-8 tr_TR.UTF-8")) << lines[1].toStdString();
    }
}

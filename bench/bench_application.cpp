#include "bench_application.h"

#include "app/application_setup.h"
#include "platform/settings.h"
#include "platform/ui/seams.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace bench {

namespace {

// A benchmark has no person to press OK.
class SilentMessages final : public platform::MessageBoxes {
public:
    void show(platform::MessageIcon, const QString&, const QString&) override {}
};

}  // namespace

void paint() { QCoreApplication::processEvents(); }

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

int runBenchmarks(int argc, char** argv, const std::function<void()>& cleanUp)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    QApplication app(argc, argv);
    // As the program sets itself up: names, form font, heap.
    varnel::setUpApplication(QStringLiteral("Varnel"), QStringLiteral("com.quorbel.varnel"));
    platform::setSettingsStore(std::make_unique<platform::SettingsStore>(settingsDir.filePath("settings.ini")));
    platform::Seams seams;
    seams.messageBoxes = std::make_unique<SilentMessages>();
    platform::installSeams(std::move(seams));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (cleanUp)
        cleanUp();
    return 0;
}

}  // namespace bench

// What choosing and loading a translation adds to start-up: the program's
// German file and Qt's own, installed and removed again, against looking for
// English, which loads nothing. The picture folder of screen_bench is the run
// folder, where the translations lie too.
#include <QStringList>

#include <benchmark/benchmark.h>

#include "language/programlanguage.h"

namespace {

void languageInstall(benchmark::State& state, const char* preferred) {
    const QStringList desktop{QString::fromLatin1(preferred)};
    for (auto _ : state) {
        const QString language = programlanguage::chosen(desktop);
        if (!language.isEmpty() && !programlanguage::installLanguage(language)) {
            state.SkipWithError("no translation found");
            break;
        }
        programlanguage::uninstall();
    }
}

BENCHMARK_CAPTURE(languageInstall, english, "en-GB")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(languageInstall, german, "de-DE")->Unit(benchmark::kMicrosecond);

}  // namespace

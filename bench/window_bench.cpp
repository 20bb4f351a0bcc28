// Each command end to end, as the user waits for it: reading the text area,
// transforming, writing the result, laying it out and painting it.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <random>

#include "cipher/text_cipher.h"
#include "form1.h"
#include "note_text.h"
#include "sample_texts.h"

namespace {

void runCommand(benchmark::State& state, const char* action, const QString& text) {
    Form1 window;
    window.show();
    QApplication::processEvents();
    auto* note = window.findChild<QPlainTextEdit*>("txtnote");
    auto* command = window.findChild<QAction*>(action);
    for (auto _ : state) {
        state.PauseTiming();
        note->setPlainText(text);
        note->viewport()->repaint();
        state.ResumeTiming();
        command->trigger();
        note->viewport()->repaint();
        QApplication::processEvents();
    }
}

void BM_Window_EncryptText_Longest(benchmark::State& state) {
    const cipher::TextCipher cipher;
    std::mt19937 random(42);
    const auto plain = samples::textThatEncrypts(cipher, cipher::kMaxTextLength, random);
    runCommand(state, "mnuET", toQString(plain));
}

void BM_Window_DecryptText_Longest(benchmark::State& state) {
    const cipher::TextCipher cipher;
    std::mt19937 random(42);
    const auto plain = samples::textThatEncrypts(cipher, cipher::kMaxTextLength, random);
    runCommand(state, "mnuDT", toQString(cipher.encryptText(plain)));
}

}  // namespace

BENCHMARK(BM_Window_EncryptText_Longest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Window_DecryptText_Longest)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

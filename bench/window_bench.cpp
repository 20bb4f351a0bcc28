// SPDX-License-Identifier: MIT
// Each command end to end, as the user waits for it: reading the text area,
// transforming, writing the result, laying it out and painting it.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTest>
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

// One keystroke at the end of a 4,681-character text that needs an offer and
// holds characters that cannot come back, so that the live line runs the
// padding search and the marks have runs to mark: in the window, and in a
// bare text area of the same font and size for comparison.
QString keystrokeText() {
    const cipher::TextCipher cipher;
    std::mt19937 random(42);
    std::u32string text = samples::alphabetText(cipher, cipher::kMaxTextLength - 1, random);
    for (std::size_t at = 0; at < text.size(); at += 50) {
        text[at] = at % 100 == 0 ? U'\t' : U'\u2019';
    }
    return toQString(text);
}

void typeAndErase(benchmark::State& state, QPlainTextEdit& note) {
    note.setPlainText(keystrokeText());
    note.moveCursor(QTextCursor::End);
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&note, Qt::Key_X);
        note.viewport()->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        QTest::keyClick(&note, Qt::Key_Backspace);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_Window_Keystroke_WithLiveLine(benchmark::State& state) {
    Form1 window;
    window.show();
    QApplication::processEvents();
    typeAndErase(state, *window.findChild<QPlainTextEdit*>("txtnote"));
}

void BM_Window_Keystroke_BareTextArea(benchmark::State& state) {
    Form1 window;
    QPlainTextEdit bare;
    const QPlainTextEdit& original = *window.findChild<QPlainTextEdit*>("txtnote");
    bare.setFont(original.font());
    bare.setWordWrapMode(original.wordWrapMode());
    bare.resize(original.size());
    bare.show();
    QApplication::processEvents();
    typeAndErase(state, bare);
}

// The window's own work after each change of the text, without the text
// area's editing and painting: the marks and the live line with its padding search.
void BM_Window_LiveLineAndMarks(benchmark::State& state) {
    Form1 window;
    window.show();
    auto* note = window.findChild<QPlainTextEdit*>("txtnote");
    const QString texts[] = {keystrokeText(), keystrokeText() + "x"};
    QApplication::processEvents();
    std::size_t round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            // A change the window has not heard of yet, as after a keystroke.
            const QSignalBlocker quiet(note);
            note->setPlainText(texts[++round % 2]);
        }
        state.ResumeTiming();
        QMetaObject::invokeMethod(&window, "textEdited");
    }
}

}  // namespace

BENCHMARK(BM_Window_LiveLineAndMarks)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_Window_Keystroke_WithLiveLine)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_Window_Keystroke_BareTextArea)->Unit(benchmark::kMillisecond)->Repetitions(3);
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

// SPDX-License-Identifier: MIT
// The window against a bare Qt window with the same widgets (bare_window.h),
// side by side in one run: every round does the same thing once in each, so
// that whatever else the machine does weighs on both alike. Each case reports
// the median and the 95th percentile of both, in milliseconds, and their
// ratios: what the program adds to what Qt itself costs.
//
// Run with: build/release/bench/window_bench (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <vector>

#include "bare_window.h"
#include "bench_notes.h"
#include "cipher/text_cipher.h"
#include "form1.h"
#include "note_text.h"
#include "notes/note_encryption.h"
#include "real_notes.h"
#include "sample_texts.h"

namespace {

// Everything a change sets off: posted events, layout and painting, and
// whatever those post in turn (a layout request answered with a repaint),
// so that none of one window's work is left over to be timed in the other's.
void settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}

double millisecondsOf(const std::function<void()>& work) {
    const auto began = std::chrono::steady_clock::now();
    work();
    settle();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
        .count();
}

double percentile(std::vector<double> times, double share) {
    std::sort(times.begin(), times.end());
    return times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))];
}

struct SideBySide {
    std::vector<double> window;
    std::vector<double> bare;

    void report(benchmark::State& state) const {
        for (const auto& [name, share] : {std::pair{"median", 0.5}, std::pair{"p95", 0.95}}) {
            const double ours = percentile(window, share);
            const double theirs = percentile(bare, share);
            state.counters[std::string("window_") + name + "_ms"] = ours;
            state.counters[std::string("bare_") + name + "_ms"] = theirs;
            state.counters[std::string("ratio_") + name] = ours / theirs;
        }
    }
};

struct Windows {
    Windows() {
        window.show();
        bare.show();
        settle();
    }

    QPlainTextEdit& note() { return *window.findChild<QPlainTextEdit*>("txtnote"); }
    QPlainTextEdit& bareNote() { return *bare.note; }

    Form1 window;
    BareWindow bare;
};

// Where a keystroke goes: at the start (0), in the middle (1) or at the end (2).
void placeCaret(QPlainTextEdit& note, int where) {
    QTextCursor cursor = note.textCursor();
    cursor.setPosition(where == 0 ? 0 : where == 1 ? note.document()->characterCount() / 2 : 0);
    if (where == 2) {
        cursor.movePosition(QTextCursor::End);
    }
    note.setTextCursor(cursor);
    note.ensureCursorVisible();
}

void typeAndErase(QPlainTextEdit& note) {
    QTest::keyClick(&note, Qt::Key_X);
    settle();
    QTest::keyClick(&note, Qt::Key_Backspace);
}

// A letter typed and erased again, each handled, laid out and painted.
void BM_Keystroke(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    const auto outside = static_cast<std::size_t>(state.range(1));
    const auto where = static_cast<int>(state.range(2));
    Windows windows;
    const QString text = noteOf(length, outside);
    for (QPlainTextEdit* note : {&windows.note(), &windows.bareNote()}) {
        note->setPlainText(text);
        placeCaret(*note, where);
    }
    settle();
    SideBySide times;
    for (auto _ : state) {
        times.window.push_back(millisecondsOf([&] { typeAndErase(windows.note()); }));
        times.bare.push_back(millisecondsOf([&] { typeAndErase(windows.bareNote()); }));
    }
    times.report(state);
}

// Ctrl+A and Ctrl+V of a note of the given length over what the text area holds.
void BM_Paste(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    Windows windows;
    const QString texts[] = {noteOf(length, length / 50), noteOf(1000, 0)};
    SideBySide times;
    for (auto _ : state) {
        for (QPlainTextEdit* note : {&windows.note(), &windows.bareNote()}) {
            note->setPlainText(texts[1]);
        }
        QApplication::clipboard()->setText(texts[0]);
        settle();
        const auto paste = [](QPlainTextEdit& note) {
            QTest::keyClick(&note, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(&note, Qt::Key_V, Qt::ControlModifier);
        };
        times.window.push_back(millisecondsOf([&] { paste(windows.note()); }));
        // The program works on a long pasted text on another core: not
        // while the bare window's paste is timed, which it would slow.
        constexpr int kWorkAfterPasteMilliseconds = 200;
        QTest::qWait(kWorkAfterPasteMilliseconds);
        times.bare.push_back(millisecondsOf([&] { paste(windows.bareNote()); }));
    }
    times.report(state);
}

// A command on a note, against a bare replace of the same text by the same
// result; pressed at once, or after the note has been still for a while.
void runCommand(benchmark::State& state, const char* action, const QString& text,
                int stillMilliseconds = 0) {
    Windows windows;
    auto* command = windows.window.findChild<QAction*>(action);
    SideBySide times;
    for (auto _ : state) {
        windows.note().setPlainText(text);
        windows.bareNote().setPlainText(text);
        settle();
        const auto stayStill = [stillMilliseconds] {
            if (stillMilliseconds != 0) {
                QTest::qWait(stillMilliseconds);
            }
        };
        stayStill();
        times.window.push_back(millisecondsOf([&] { command->trigger(); }));
        // A bare Qt program holds its result as a QString already.
        const QString result = toTextAreaText(readNote(windows.note()));
        // After as long a pause: idling leaves the caches colder.
        stayStill();
        times.bare.push_back(millisecondsOf([&] {
            QTextCursor cursor(windows.bareNote().document());
            cursor.beginEditBlock();
            cursor.select(QTextCursor::Document);
            cursor.insertText(result);
            cursor.endEditBlock();
            windows.bareNote().setTextCursor(cursor);
        }));
    }
    times.report(state);
}

// A note with line breaks and one character in fifty outside the alphabet.
void BM_EncryptText(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    runCommand(state, "mnuET", noteOf(length, length / 50));
}

// The same, with the note still for half a second before Ctrl+E, as a
// user's Ctrl+E after a paste or the last keystroke usually is.
void BM_EncryptTextAfterPause(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    constexpr int kPauseMilliseconds = 500;
    runCommand(state, "mnuET", noteOf(length, length / 50), kPauseMilliseconds);
}

QString cipherTextOf(std::size_t length) {
    const cipher::TextCipher cipher;
    const std::u32string note = noteOf(length, length / 50).toStdU32String();
    return toQString(notes::encryptNote(cipher, samples::withLineBreaks(note)).cipherText);
}

void BM_DecryptText(benchmark::State& state) {
    runCommand(state, "mnuDT", cipherTextOf(static_cast<std::size_t>(state.range(0))));
}

void BM_DecryptTextAfterPause(benchmark::State& state) {
    constexpr int kPauseMilliseconds = 500;
    runCommand(state, "mnuDT", cipherTextOf(static_cast<std::size_t>(state.range(0))),
               kPauseMilliseconds);
}

}  // namespace

// Arguments: length, characters outside the alphabet, caret at the start (0),
// in the middle (1) or at the end (2).
BENCHMARK(BM_Keystroke)
    ->ArgsProduct({{1000, 4681}, {0, 100}, {1, 2}})
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Keystroke)
    ->ArgsProduct({{10000, 100000, 1000000}, {0}, {0, 1, 2}})
    ->ArgsProduct({{10000, 100000, 1000000}, {1}, {0, 1, 2}})
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);
// The whole-text cases, from the cipher's limit to a million characters, ten rounds each.
void longNotes(benchmark::internal::Benchmark* cases) {
    for (const int length : {4681, 10000, 100000, 1000000}) {
        cases->Arg(length);
    }
    cases->Iterations(10)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Paste)->Apply(longNotes);
BENCHMARK(BM_EncryptText)->Apply(longNotes);
BENCHMARK(BM_EncryptTextAfterPause)->Apply(longNotes);
BENCHMARK(BM_DecryptText)->Apply(longNotes);
BENCHMARK(BM_DecryptTextAfterPause)->Apply(longNotes);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

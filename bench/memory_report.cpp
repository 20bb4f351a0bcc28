// SPDX-License-Identifier: MIT
// The memory the program holds with a long note shown, beside a bare Qt
// program with the same widgets showing the same note (bare_window.h). Each
// is a process of its own, started in turn from this one, so that neither
// inherits the other's heap; each reads its resident set size once the note
// is laid out and painted, and again after Ctrl+E and after Ctrl+D (the
// bare one replaces its text with the same results). Each a second after
// the change, once the program has worked out the encryption of a long
// note ahead and given back what a command freed.
//
// Usage: memory_report [LENGTH...]   (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bare_window.h"
#include "bench_notes.h"
#include "form1.h"
#include "heap_trim.h"
#include "note_text.h"

namespace {

void settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}

// A second after a change the program has given back what a command freed,
// and worked out the encryption of a long note ahead.
void settleForASecond() {
    settle();
    QTest::qWait(1200);
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

QPlainTextEdit& textArea(Form1& window) {
    return *window.findChild<QPlainTextEdit*>("txtnote");
}

// The bare window shows the note, then the texts the program's commands write.
void showBare(const QString& note) {
    BareWindow window;
    window.show();
    window.note->setPlainText(note);
    settleForASecond();
    std::printf("%ld", residentKilobytes());
    Form1 results;
    textArea(results).setPlainText(note);
    results.findChild<QAction*>("mnuET")->trigger();
    const std::u32string encrypted = readNote(textArea(results));
    results.findChild<QAction*>("mnuDT")->trigger();
    const std::u32string decrypted = readNote(textArea(results));
    results.close();
    // What the program's window freed is not the bare program's to reuse.
    giveBackFreeMemory();
    const long before = residentKilobytes();
    replaceNote(*window.note, encrypted);
    settle();
    const long afterEncrypted = residentKilobytes();
    replaceNote(*window.note, decrypted);
    settle();
    std::printf(" %ld %ld\n", afterEncrypted - before, residentKilobytes() - before);
}

void showProgram(const QString& note) {
    Form1 window;
    window.show();
    textArea(window).setPlainText(note);
    settleForASecond();
    const long shown = residentKilobytes();
    window.findChild<QAction*>("mnuET")->trigger();
    settleForASecond();
    const long encrypted = residentKilobytes();
    window.findChild<QAction*>("mnuDT")->trigger();
    settleForASecond();
    std::printf("%ld %ld %ld\n", shown, encrypted - shown, residentKilobytes() - shown);
}

// Three sizes in kilobytes: shown, and what Ctrl+E and then Ctrl+D add.
std::vector<long> run(const QString& program, bool bare, std::size_t length) {
    QProcess child;
    child.start(program, {"--show", bare ? "bare" : "window", QString::number(length)});
    child.waitForFinished(600000);
    std::vector<long> sizes;
    for (const QByteArray& size : child.readAllStandardOutput().trimmed().split(' ')) {
        sizes.push_back(size.toLong());
    }
    sizes.resize(3);
    return sizes;
}

double megabytes(long kilobytes) {
    return static_cast<double>(kilobytes) / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == "--show") {
        const auto length = static_cast<std::size_t>(arguments[3].toULongLong());
        const QString note = noteOf(length, length / 50);
        arguments[2] == "bare" ? showBare(note) : showProgram(note);
        return 0;
    }
    std::vector<std::size_t> lengths;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        lengths.push_back(static_cast<std::size_t>(arguments[index].toULongLong()));
    }
    if (lengths.empty()) {
        lengths = {10000, 100000, 1000000};
    }
    std::puts(
        "| Note | Program shown | Bare Qt shown | Ratio | Program, after Ctrl+E and "
        "Ctrl+D | Bare Qt, the same texts |");
    std::puts("|---|---|---|---|---|---|");
    for (const std::size_t length : lengths) {
        // Three rounds, each program in turn; the smallest of each, which
        // least depends on when the allocator gave memory back.
        std::vector<long> program(3, 1L << 40);
        std::vector<long> bare(3, 1L << 40);
        for (int round = 0; round < 3; ++round) {
            const std::vector<long> ours = run(arguments[0], false, length);
            const std::vector<long> theirs = run(arguments[0], true, length);
            for (std::size_t index = 0; index < 3; ++index) {
                program[index] = std::min(program[index], ours[index]);
                bare[index] = std::min(bare[index], theirs[index]);
            }
        }
        std::printf(
            "| %zu characters | %.1f MB | %.1f MB | %.2fx | %+.1f MB, %+.1f MB | "
            "%+.1f MB, %+.1f MB |\n",
            length, megabytes(program[0]), megabytes(bare[0]),
            megabytes(program[0]) / megabytes(bare[0]), megabytes(program[1]),
            megabytes(program[2]), megabytes(bare[1]), megabytes(bare[2]));
    }
    return 0;
}

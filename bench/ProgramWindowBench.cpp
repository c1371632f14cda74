// The programming window under load, offscreen: a keystroke into a 10,000-line program until the
// editor has repainted, opening a 10,000-line file, and how soon a paint request is answered
// while a program computes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>
#include <vector>

#include "calculator/Calculator.h"
#include "program/ui/CCodeEdit.h"
#include "program/ui/CProgramDlg.h"
#include "shell/MemorySettingsStore.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kProgramLines = 10000;

// A program of kProgramLines lines, built from the kinds of lines programs hold.
QString LongProgram() {
    const QString block = QStringLiteral(
        "' Squares and their sum\n"
        "var i%1, s%1\n"
        "do while (i%1 < 10)\n"
        "\ti%1 = i%1+1\n"
        "\ts%1 = s%1+i%1*i%1 ' the sum so far\n"
        "\tif (s%1 > 100) then\n"
        "\t\tprint \"big: \" s%1\n"
        "\tend\n"
        "loop\n"
        "print \"sum = \" s%1 \" after \" 1.5e3 \" steps\"\n");
    QString program;
    for (int i = 0; i < kProgramLines / 10; ++i) {
        program += block.arg(i);
    }
    return program;
}

class NoMessages : public zyk::UserMessages {
public:
    zyk::MessageAnswer ShowMessage(std::string_view, std::string_view, zyk::MessageIcon,
                                   zyk::MessageButtons) override {
        return zyk::MessageAnswer::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
};

// A programming window over a calculator, shown offscreen, with a scratch folder.
struct Window {
    Window()
        : calculator(store, messages, std::filesystem::path(folder.path().toStdString())),
          dialog(zyk::ProgramWindowContext{store, calculator, &messages, nullptr, {}}) {
        dialog.resize(800, 600);
        dialog.show();
        QApplication::processEvents();
    }
    QTemporaryDir folder;
    zyk::MemorySettingsStore store;
    NoMessages messages;
    zyk::Calculator calculator;
    zyk::CProgramDlg dialog;
};

// Remembers when a widget was last painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
    std::atomic<bool> painted{false};
    Clock::time_point paintedAt;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            paintedAt = Clock::now();
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void SendKey(QWidget& target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &release);
}

// A typed character (and, every other time, Backspace) in the middle of the program, until the
// editor has coloured the line and repainted.
void TypeIntoLongProgram(benchmark::State& state) {
    Window window;
    zyk::CCodeEdit& editor = window.dialog.Editor();
    editor.setPlainText(LongProgram());
    QTextCursor cursor(editor.document()->findBlockByNumber(kProgramLines / 2 + 4));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor.setTextCursor(cursor);
    editor.centerCursor();
    QApplication::processEvents();
    bool type = true;
    for (auto _ : state) {
        if (type) {
            SendKey(editor, Qt::Key_X, QStringLiteral("x"));
        } else {
            SendKey(editor, Qt::Key_Backspace, QString());
        }
        type = !type;
        editor.viewport()->repaint();
    }
    state.counters["lines"] = editor.document()->blockCount();
}
BENCHMARK(TypeIntoLongProgram)->Unit(benchmark::kMillisecond);

// Open: the file read, put into the editor and coloured, and the editor repainted.
void OpenLongFile(benchmark::State& state) {
    Window window;
    const QString path = window.folder.filePath(QStringLiteral("long.bas"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(LongProgram().replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toLatin1());
    }
    for (auto _ : state) {
        if (!window.dialog.OpenFile(path)) {
            state.SkipWithError("the file could not be opened");
            return;
        }
        window.dialog.Editor().viewport()->repaint();
    }
    state.counters["lines"] = window.dialog.Editor().document()->blockCount();
}
BENCHMARK(OpenLongFile)->Unit(benchmark::kMillisecond);

// While an endless loop computes in time slices, a paint request arrives at a random moment (as
// the platform delivers one) and is answered by a paint event: the time between the two.
void PaintWhileComputing(benchmark::State& state) {
    Window window;
    window.dialog.Editor().setPlainText(
        QStringLiteral("var i, s\ndo while (1 = 1)\n\ti = (i+1) % 1000\n\ts = s+i*2\n\tif (s > "
                       "100000) then s = 0\nloop\n"));
    window.dialog.Run();
    QWidget& target = *window.dialog.Editor().viewport();
    PaintWatch watch(target);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(1, 12);
    std::vector<double> latencies;
    const auto start = Clock::now();
    for (auto _ : state) {
        watch.painted = false;
        Clock::time_point requestedAt;
        std::thread platform([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
            requestedAt = Clock::now();
            QMetaObject::invokeMethod(
                &target, [&target] { target.update(); }, Qt::QueuedConnection);
        });
        while (!watch.painted || watch.paintedAt < requestedAt) {
            watch.painted = false;
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (watch.painted && watch.paintedAt >= requestedAt) {
                break;
            }
        }
        platform.join();
        const double latency = std::chrono::duration<double>(watch.paintedAt - requestedAt).count();
        latencies.push_back(latency);
        state.SetIterationTime(latency);
    }
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty()) {
        state.counters["p95_ms"] = latencies[latencies.size() * 95 / 100] * 1000.0;
        state.counters["max_ms"] = latencies.back() * 1000.0;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!window.dialog.Runner().IsComputing()) {
        state.SkipWithError("the program stopped computing");
    }
    state.counters["computed_s"] = seconds;
    state.counters["lines_per_s"] =
        static_cast<double>(window.dialog.Runner().Interpreter().ExecutedLines()) / seconds;
}
BENCHMARK(PaintWhileComputing)->UseManualTime()->Iterations(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

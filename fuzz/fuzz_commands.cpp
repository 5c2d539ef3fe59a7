// The command classes against CommandModel: a tree of leaves and nested
// composites, described by the input, and a series of the game's calls
// (run the tree again, complete a leaf once more, finish or delete any
// command mid-run, append a child) must give the model's log of signals,
// calls and deletions, and no fault under the sanitizers. The real tree is
// written as a plan for the command tests' recording commands.

#include "commandmodel.h"
#include "fuzzinput.h"
#include "recordingcommand.h"

#include <cstdio>
#include <cstdlib>

using Marrowick::Command;
using TestCommands::Plan;

namespace {

// A leaf as a plan writes it, after a space.
QString leafText(const QString &name, const CommandPlan &plan)
{
    return QLatin1Char(' ') + name + QLatin1String(plan.completesInExec ? "" : "?") +
        QLatin1String(plan.emissions == 2 ? "*2" : "") + QLatin1String(plan.completesInFinish ? "!" : "");
}

// A command and its children as the input describes them, at most @p room
// commands in all: made in @p model and written onto the plan @p text.
int build(CommandModel &model, FuzzInput &input, int depth, int &room, QString &text)
{
    --room;
    CommandPlan plan;
    const uint8_t shape = input.byte();
    if (depth < 4 && room > 0 && shape % 4 >= 2) {
        plan.kind = shape % 4 == 2 ? CommandPlan::Sequential : CommandPlan::Parallel;
        plan.owning = shape & 4;
        QList<int> children;
        QString inner;
        for (int count = (shape >> 3) % 4; count > 0 && room > 0; --count)
            children.append(build(model, input, depth + 1, room, inner));
        const int index = model.make(plan);
        for (int child : qAsConst(children))
            model.add(index, child);
        const bool sequential = plan.kind == CommandPlan::Sequential;
        text += QLatin1Char(' ') + model.name(index) + QLatin1String(plan.owning ? "" : "-") +
            QLatin1Char(sequential ? '[' : '(') + inner + QLatin1Char(sequential ? ']' : ')');
        return index;
    }
    plan.completesInExec = shape & 4;
    plan.emissions = shape & 8 ? 2 : 1;
    plan.completesInFinish = shape & 16;
    const int index = model.make(plan);
    text += leafText(model.name(index), plan);
    return index;
}

void check(const QString &text, const Plan &commands, const CommandModel &model, int operation)
{
    bool same = commands.log == model.log;
    for (int i = 0; same && i < model.count(); ++i)
        same = (commands.command(model.name(i)) != nullptr) == model.alive(i);
    if (same)
        return;
    std::fprintf(stderr, "tree%s, after call %d\n  model: %s\n  found: %s\n", qPrintable(text), operation,
                 qPrintable(model.log.join(QStringLiteral(", "))), qPrintable(commands.log.join(QStringLiteral(", "))));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    CommandModel model;
    int room = 16;
    QString text;
    const int top = build(model, input, 0, room, text);
    Plan commands(text);
    const QString topDone = QStringLiteral("done ") + model.name(top);
    // A new run starts only once the previous one has ended or was finished.
    bool idle = true;
    for (int calls = 0; calls < 24 && !input.atEnd(); ++calls) {
        const int operation = input.below(5);
        const int target = input.below(model.count());
        const QString name = model.name(target);
        Command *command = commands.command(name);
        const int logged = commands.log.size();
        if (operation == 0) {
            if (!idle || !commands.top)
                continue;
            idle = false;
            commands.top->exec();
            model.exec(top);
        } else if (!command) {
            continue;
        } else if (operation == 1 && model.isLeaf(target) && model.executed(target)) {
            static_cast<TestCommands::RecordingCommand *>(command)->complete();
            model.complete(target);
        } else if (operation == 2) {
            command->finish();
            model.finish(target);
            idle = idle || target == top;
        } else if (operation == 3) {
            commands.destroy(name);
            model.destroy(target);
        } else if (operation == 4 && !model.isLeaf(target)) {
            CommandPlan plan;
            plan.completesInExec = input.flag();
            const int leaf = model.make(plan);
            model.add(target, leaf);
            commands.append(leafText(model.name(leaf), plan), name);
        }
        idle = idle || commands.log.mid(logged).contains(topDone);
        check(text, commands, model, operation);
    }
    return 0;
}

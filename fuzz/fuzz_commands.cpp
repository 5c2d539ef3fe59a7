// The command classes against CommandModel: a tree of leaves and nested
// composites, described by the input, and a series of the game's calls
// (run the tree again, complete a leaf once more, finish or delete any
// command mid-run, append a child) must give the model's log of signals,
// calls and deletions, and no fault under the sanitizers.

#include "commandmodel.h"
#include "fuzzinput.h"

#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>

#include <QtCore/QPointer>

#include <cstdio>
#include <cstdlib>

using Marrowick::Command;

namespace {

class FuzzLeaf : public Command
{
public:
    FuzzLeaf(const CommandPlan &plan, QStringList *log)
        : m_plan(plan)
        , m_log(log)
    { }
    void exec() override
    {
        note("exec ");
        if (m_plan.completesInExec)
            complete();
    }
    void finish() override
    {
        note("finish ");
        if (m_plan.completesInFinish)
            complete();
    }
    void complete()
    {
        for (int emission = 0; emission < m_plan.emissions; ++emission) {
            Q_EMIT done(this);
            note("/done ");
        }
    }

private:
    void note(const char *what) { m_log->append(QLatin1String(what) + objectName()); }

    CommandPlan m_plan;
    QStringList *m_log;
};

// The real commands and the model, built and driven side by side.
class Trees
{
public:
    CommandModel model;
    QStringList log;
    QList<QPointer<Command>> commands;

    ~Trees()
    {
        // The game deletes what no owning composite holds; owners first.
        for (int i = commands.size() - 1; i >= 0; --i)
            delete commands.at(i).data();
    }

    int make(const CommandPlan &plan, const QList<int> &children, bool listConstructor)
    {
        const int index = model.make(plan);
        QList<Command *> childCommands;
        for (int child : children) {
            model.add(index, child);
            childCommands.append(commands.at(child));
        }
        Command *command = nullptr;
        switch (plan.kind) {
        case CommandPlan::Leaf:
            command = new FuzzLeaf(plan, &log);
            break;
        case CommandPlan::Sequential:
            command = listConstructor ? new Marrowick::CompositeCommand(childCommands, plan.owning, nullptr)
                                      : new Marrowick::CompositeCommand(plan.owning, nullptr);
            break;
        case CommandPlan::Parallel:
            command = listConstructor ? new Marrowick::ParallelCommand(childCommands, plan.owning, nullptr)
                                      : new Marrowick::ParallelCommand(plan.owning, nullptr);
            break;
        }
        const QString name = QLatin1Char('n') + QString::number(index);
        command->setObjectName(name);
        QObject::connect(command, &Command::start, [this, name] { log.append(QStringLiteral("start ") + name); });
        QObject::connect(command, &Command::done, [this, name] { log.append(QStringLiteral("done ") + name); });
        QObject::connect(command, &QObject::destroyed,
                         [this, name] { log.append(QStringLiteral("destroyed ") + name); });
        commands.append(command);
        if (!listConstructor) {
            for (Command *child : qAsConst(childCommands))
                addTo(command, child);
        }
        return index;
    }

    static void addTo(Command *composite, Command *child)
    {
        if (auto sequential = qobject_cast<Marrowick::CompositeCommand *>(composite))
            sequential->addCommand(child);
        else
            static_cast<Marrowick::ParallelCommand *>(composite)->addCommand(child);
    }

    // A command and its children as the input describes them, at most @p room commands in all.
    int build(FuzzInput &input, int depth, int &room)
    {
        --room;
        CommandPlan plan;
        const uint8_t shape = input.byte();
        if (depth < 4 && room > 0 && shape % 4 >= 2) {
            plan.kind = shape % 4 == 2 ? CommandPlan::Sequential : CommandPlan::Parallel;
            plan.owning = shape & 4;
            QList<int> children;
            for (int count = (shape >> 3) % 4; count > 0 && room > 0; --count)
                children.append(build(input, depth + 1, room));
            return make(plan, children, shape & 32);
        }
        plan.completesInExec = shape & 4;
        plan.emissions = shape & 8 ? 2 : 1;
        plan.completesInFinish = shape & 16;
        return make(plan, {}, false);
    }
};

void check(const Trees &trees, int operation)
{
    bool same = trees.log == trees.model.log;
    for (int i = 0; same && i < trees.commands.size(); ++i)
        same = trees.commands.at(i).isNull() != trees.model.alive(i);
    if (same)
        return;
    std::fprintf(stderr, "after call %d\n  model: %s\n  found: %s\n", operation,
                 qPrintable(trees.model.log.join(QStringLiteral(", "))),
                 qPrintable(trees.log.join(QStringLiteral(", "))));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    Trees trees;
    int room = 16;
    const int top = trees.build(input, 0, room);
    const QString topDone = QStringLiteral("done n") + QString::number(top);
    // A new run starts only once the previous one has ended or was finished.
    bool idle = true;
    for (int calls = 0; calls < 24 && !input.atEnd(); ++calls) {
        const int operation = input.below(5);
        const int target = input.below(trees.commands.size());
        Command *command = trees.commands.at(target);
        const int logged = trees.log.size();
        if (operation == 0) {
            command = trees.commands.at(top);
            if (!idle || !command)
                continue;
            idle = false;
            command->exec();
            trees.model.exec(top);
        } else if (!command) {
            continue;
        } else if (operation == 1 && trees.model.isLeaf(target) && trees.model.executed(target)) {
            static_cast<FuzzLeaf *>(command)->complete();
            trees.model.complete(target);
        } else if (operation == 2) {
            command->finish();
            trees.model.finish(target);
            idle = idle || target == top;
        } else if (operation == 3) {
            delete command;
            trees.model.destroy(target);
        } else if (operation == 4 && !trees.model.isLeaf(target)) {
            CommandPlan plan;
            plan.completesInExec = input.flag();
            const int leaf = trees.make(plan, {}, false);
            trees.model.add(target, leaf);
            Trees::addTo(command, trees.commands.at(leaf));
        }
        idle = idle || trees.log.mid(logged).contains(topDone);
        check(trees, operation);
    }
    return 0;
}

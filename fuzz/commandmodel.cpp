#include "commandmodel.h"

int CommandModel::make(const CommandPlan &plan)
{
    Node created;
    created.plan = plan;
    created.name = QString(int(m_nodes.size()) / 26 + 1, QLatin1Char(char('a' + m_nodes.size() % 26)));
    m_nodes.push_back(created);
    return int(m_nodes.size()) - 1;
}

void CommandModel::add(int composite, int child)
{
    node(composite).children.append(child);
    node(child).watchedBy = composite;
}

void CommandModel::note(const char *what, int command)
{
    log.append(QLatin1String(what) + QLatin1Char(' ') + node(command).name);
}

void CommandModel::exec(int command)
{
    Node &self = node(command);
    switch (self.plan.kind) {
    case CommandPlan::Leaf:
        note("exec", command);
        self.executed = true;
        if (self.plan.completesInExec)
            emitLeafDone(command);
        return;
    case CommandPlan::Sequential:
        self.nextIndex = 0;
        self.waiting = false;
        note("start", command);
        step(command);
        return;
    case CommandPlan::Parallel: {
        self.pending = self.children.size();
        self.awaited = self.children;
        note("start", command);
        if (self.pending == 0) {
            emitDone(command);
            return;
        }
        const QList<int> started = self.children;
        for (int child : started) {
            if (!alive(command))
                return;
            if (!alive(child))
                continue;
            connectDone(child, command, true);
            exec(child);
        }
        return;
    }
    }
}

void CommandModel::step(int sequential)
{
    Node &self = node(sequential);
    self.waiting = false;
    const int previous = self.nextIndex - 1;
    if (previous >= 0 && previous < self.children.size() && node(self.children.at(previous)).connectedTo == sequential)
        disconnectDone(self.children.at(previous));
    if (self.nextIndex >= self.children.size()) {
        emitDone(sequential);
        return;
    }
    const int next = self.children.at(self.nextIndex);
    connectDone(next, sequential, false);
    ++self.nextIndex;
    self.waiting = true;
    exec(next);
}

void CommandModel::connectDone(int command, int composite, bool unique)
{
    Node &self = node(command);
    if (self.connectedTo != composite) {
        self.connectedTo = composite;
        self.connections = 0;
    }
    self.connections = unique ? 1 : self.connections + 1;
}

void CommandModel::disconnectDone(int command)
{
    Node &self = node(command);
    self.connectedTo = -1;
    self.connections = 0;
    ++self.disconnections;
}

void CommandModel::emitDone(int command)
{
    note("done", command);
    const int receiver = node(command).connectedTo;
    if (receiver < 0)
        return;
    Node &composite = node(receiver);
    if (composite.plan.kind == CommandPlan::Sequential) {
        // Each connection made before the emission takes a step, until a step removes them all; one made
        // during the emission is not called in it.
        const int connections = node(command).connections;
        const int disconnections = node(command).disconnections;
        for (int call = 0; call < connections && node(command).disconnections == disconnections; ++call)
            step(receiver);
        return;
    }
    const int index = composite.awaited.indexOf(command);
    if (index >= 0)
        composite.awaited.removeAt(index);
    if (--composite.pending == 0)
        emitDone(receiver);
}

void CommandModel::emitLeafDone(int leaf)
{
    for (int emission = 0; emission < node(leaf).plan.emissions; ++emission) {
        emitDone(leaf);
        note("/done", leaf);
    }
}

void CommandModel::finish(int command)
{
    Node &self = node(command);
    if (self.plan.kind == CommandPlan::Leaf) {
        note("finish", command);
        if (self.plan.completesInFinish)
            emitLeafDone(command);
        return;
    }
    const bool sequential = self.plan.kind == CommandPlan::Sequential;
    if (sequential)
        self.waiting = false;
    while (!node(command).children.isEmpty()) {
        const int child = node(command).children.takeFirst();
        // The sequential composite disconnects a child before finishing it; the parallel one keeps counting it.
        if (sequential && node(child).connectedTo == command)
            disconnectDone(child);
        if (sequential && !node(command).plan.owning && !node(command).children.contains(child))
            node(child).watchedBy = -1;
        finish(child);
        if (node(command).plan.owning && alive(child))
            deleteChild(command, child);
    }
}

void CommandModel::deleteChild(int composite, int child)
{
    node(child).watchedBy = -1;
    node(composite).children.removeAll(child);
    node(composite).awaited.removeAll(child);
    destroy(child);
}

void CommandModel::destroy(int command)
{
    node(command).waiting = false;
    node(command).awaited.clear();
    if (node(command).plan.owning) {
        while (!node(command).children.isEmpty())
            deleteChild(command, node(command).children.constFirst());
    }
    // Deleting a command ends the connections from it and to it, also in the middle of an emission.
    disconnectDone(command);
    for (int other = 0; other < count(); ++other) {
        if (node(other).connectedTo == command)
            disconnectDone(other);
        if (node(other).watchedBy == command)
            node(other).watchedBy = -1;
    }
    note("destroyed", command);
    node(command).alive = false;
    const int watcher = node(command).watchedBy;
    if (watcher >= 0)
        forget(watcher, command);
}

void CommandModel::forget(int composite, int child)
{
    Node &self = node(composite);
    if (self.plan.kind == CommandPlan::Parallel) {
        self.children.removeAll(child);
        const int awaited = self.awaited.removeAll(child);
        if (awaited == 0 || self.pending <= 0)
            return;
        self.pending -= awaited;
        if (self.pending <= 0) {
            self.pending = 0;
            self.awaited.clear();
            emitDone(composite);
        }
        return;
    }
    const int running = self.waiting ? self.nextIndex - 1 : -1;
    bool wasRunning = false;
    for (int i = self.children.size() - 1; i >= 0; --i) {
        if (self.children.at(i) != child)
            continue;
        self.children.removeAt(i);
        if (i < self.nextIndex)
            --self.nextIndex;
        wasRunning = wasRunning || i == running;
    }
    if (wasRunning)
        step(composite);
}

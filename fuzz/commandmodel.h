#ifndef MARROWICK_FUZZ_COMMANDMODEL_H
#define MARROWICK_FUZZ_COMMANDMODEL_H

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <vector>

// What a tree of commands is made of, described as data.
struct CommandPlan
{
    enum Kind { Leaf, Sequential, Parallel };
    Kind kind = Leaf;
    bool owning = false; // composites
    bool completesInExec = false; // leaves: done() inside exec(), else when the game says so
    int emissions = 1; // leaves: done() signals per completion
    bool completesInFinish = false; // leaves: done() inside finish() as well
};

// The command classes' rules, executed on plain records: which signals, in
// which order, a tree of commands emits for each call the game makes, and
// which commands are deleted. Entries of the log:
//   "exec n", "finish n"  a leaf's exec() or finish() was called
//   "start n", "done n"   n emitted start() or done()
//   "/done n"             a leaf's done() emission has returned
//   "destroyed n"         n was deleted
// Commands are numbered in the order they were made, a composite's children
// before it, and named a to z, then aa, bb and so on.
class CommandModel
{
public:
    QStringList log;

    // A new command; composites get their children with add().
    int make(const CommandPlan &plan);
    void add(int composite, int child);
    int count() const { return int(m_nodes.size()); }
    QString name(int command) const { return m_nodes[size_t(command)].name; }
    bool alive(int command) const { return m_nodes[size_t(command)].alive; }
    bool isLeaf(int command) const { return m_nodes[size_t(command)].plan.kind == CommandPlan::Leaf; }
    bool executed(int command) const { return m_nodes[size_t(command)].executed; }

    // The calls a game makes.
    void exec(int command);
    void finish(int command);
    void complete(int leaf) { emitLeafDone(leaf); }
    void destroy(int command);

private:
    struct Node
    {
        CommandPlan plan;
        QString name;
        bool alive = true;
        bool executed = false;
        QList<int> children;
        int nextIndex = 0; // sequential: the next child to start
        bool waiting = false; // sequential: the child before the next index runs
        int pending = 0; // parallel: done() signals still awaited
        QList<int> awaited; // parallel: children of the run whose done() has not come
        int connectedTo = -1; // the composite that receives this command's done()
        // The sequential composite connects anew at each start of the child, so a child that a
        // restarted run left running may be connected several times; the parallel one once.
        int connections = 0;
        int disconnections = 0; // how often every connection of the command's done() was removed
        int watchedBy = -1; // the composite that notices this command's deletion
    };

    Node &node(int command) { return m_nodes[size_t(command)]; }
    void note(const char *what, int command);
    void emitDone(int command);
    void emitLeafDone(int leaf);
    void step(int sequential);
    void connectDone(int command, int composite, bool unique);
    void disconnectDone(int command);
    void deleteChild(int composite, int child);
    void forget(int composite, int child);

    std::vector<Node> m_nodes;
};

#endif

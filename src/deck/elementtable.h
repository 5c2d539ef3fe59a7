#ifndef MARROWICK_DECK_ELEMENTTABLE_H
#define MARROWICK_DECK_ELEMENTTABLE_H

#include <marrowick/card.h>

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QVector>

#include <array>
#include <functional>

namespace Marrowick {

// The elements of one deck document, each under a small number, and which
// card shows which element. A picture is cached under its element's number,
// so that a cache hit costs no string work; numbers stay the same when the
// naming changes, since they stand for names of the same document.
class ElementTable
{
public:
    using Naming = std::function<QString(Card)>;
    using Exists = std::function<bool(const QString &)>;

    explicit ElementTable(Exists exists);

    // Maps cards through @p naming from now on.
    void setNaming(const Naming &naming);

    // The number of the element of @p card; -1 when the card has none.
    int indexOf(Card card);
    const QString &name(int index) const { return m_names.at(index); }
    bool exists(int index) const { return m_exists.at(index); }

private:
    int intern(const QString &name);

    static constexpr int suits = 6;
    static constexpr int values = 13;
    static constexpr int unresolved = -2;

    Exists m_existsInDocument;
    Naming m_naming;
    std::array<int, suits * values> m_byCard; // the cards of the six suits with values 0 to 12
    QVector<QString> m_names;
    QVector<bool> m_exists;
    QHash<QString, int> m_indexByName;
};

} // namespace Marrowick

#endif

#include "elementtable.h"

namespace Marrowick {

ElementTable::ElementTable(Exists exists)
    : m_existsInDocument(std::move(exists))
{
    m_byCard.fill(unresolved);
}

void ElementTable::setNaming(const Naming &naming)
{
    m_naming = naming;
    m_byCard.fill(unresolved);
}

int ElementTable::indexOf(Card card)
{
    const int suit = int(card.suit());
    const int value = static_cast<signed char>(card.value());
    if (suit < 0 || suit >= suits || value < 0 || value >= values)
        return intern(m_naming(card));
    int &slot = m_byCard[std::size_t(suit * values + value)];
    if (slot == unresolved)
        slot = intern(m_naming(card));
    return slot;
}

int ElementTable::intern(const QString &name)
{
    if (name.isEmpty())
        return -1;
    const auto known = m_indexByName.constFind(name);
    if (known != m_indexByName.constEnd())
        return *known;
    const int index = int(m_names.size());
    m_names.append(name);
    m_exists.append(m_existsInDocument(name));
    m_indexByName.insert(name, index);
    return index;
}

} // namespace Marrowick

#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The order a file manager lists names in: letter case ignored, runs of digits compared as
// numbers ("rom 2" before "rom 10"), the raw name breaking ties so the order is total.
class NameOrder {
public:
    NameOrder();
    ~NameOrder();
    NameOrder(const NameOrder&) = delete;
    NameOrder& operator=(const NameOrder&) = delete;

    bool operator()(const QString& a, const QString& b) const;

    // The positions of `names` in name order. Each name's collation key is made once, which
    // keeps a folder of thousands of ROMs quick to sort.
    std::vector<qsizetype> order(const QStringList& names) const;

private:
    struct Collator;
    std::unique_ptr<Collator> m_collator; // one collator: making one per comparison is slow
};

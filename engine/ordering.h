// One normal ordering of the values per family of orderings that a template's symmetry
// makes equivalent (its sort type says which slots may be exchanged).
#pragma once

#include <string>
#include <vector>

enum class OrderingMode {
    Drop, // the solver: an ordering whose pairs stand the wrong way round is discarded
    Swap, // answer keys: the two pairs are exchanged instead
};

// Brings the tuple (n1, n2, n3, n4) into the normal ordering of nSortType (1..11).
// False when the tuple is dropped, or when the sort type has no normal ordering.
bool NormalizeOrdering(int nSortType, unsigned uaTuple[4], OrderingMode mode);

// Reads the values of each instance of strTemplate in saFound, normalises them, and appends
// the template instantiated with every distinct normal ordering to saOutput, first
// occurrence first. Returns the number appended.
int KeepOneOrdering(const std::vector<std::string>& saFound, std::vector<std::string>& saOutput,
                    const std::string& strTemplate, int nSortType, OrderingMode mode);

// Answers as trees, for tests that need many spellings of many calculations.
#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

struct AnswerTree {
    std::string strOperator; // "+", "-", "*", "/", "^", "^^"; empty for a number
    unsigned nValue = 0;
    std::unique_ptr<AnswerTree> pLeft, pRight;

    std::unique_ptr<AnswerTree> Clone() const;
};

// Every calculation of four numbers in the order given: the five shapes of a binary tree
// under every choice of three operators (5 * 6^3 = 1080 trees).
std::vector<std::unique_ptr<AnswerTree>> AllFourNumberTrees(const unsigned uaValues[4]);

// The tree with the parentheses it needs and no others.
std::string WriteMinimal(const AnswerTree& tree);
// Every operation but the outermost in parentheses.
std::string WriteFullyParenthesised(const AnswerTree& tree);

// Another spelling of the same calculation: operands of + and * exchanged, groups of a
// chain of sums or products regrouped (a-(b-c) as a-b+c, a/(b*c) as a/b/c, a/(b/c) as
// a*c/b), needless parentheses added; roots stay as written.
std::string WriteRespelled(const AnswerTree& tree, std::mt19937& random);

// A random calculation over the four values in random order, with powers and roots when
// bAdvanced and a unary minus after some operators when bUnaryMinus.
std::string WriteRandomAnswer(const unsigned uaValues[4], bool bAdvanced, bool bUnaryMinus,
                              std::mt19937& random);

#include "answertrees.h"

#include <algorithm>
#include <map>

namespace {

const char* const kOperators[] = {"+", "-", "*", "/", "^", "^^"};

int Precedence(const std::string& strOperator) {
    if (strOperator == "+" || strOperator == "-") return 1;
    if (strOperator == "*" || strOperator == "/") return 2;
    return 3;
}

std::unique_ptr<AnswerTree> Leaf(unsigned nValue) {
    auto pLeaf = std::make_unique<AnswerTree>();
    pLeaf->nValue = nValue;
    return pLeaf;
}

std::unique_ptr<AnswerTree> Node(const std::string& strOperator, std::unique_ptr<AnswerTree> pLeft,
                                 std::unique_ptr<AnswerTree> pRight) {
    auto pNode = std::make_unique<AnswerTree>();
    pNode->strOperator = strOperator;
    pNode->pLeft = std::move(pLeft);
    pNode->pRight = std::move(pRight);
    return pNode;
}

bool IsLeaf(const AnswerTree& tree) {
    return tree.strOperator.empty();
}

// Parentheses the tree itself needs around a child: operations are read left to right
// with * / over + -, powers over both, and a root index is one number or one group.
bool NeedsParentheses(const AnswerTree& parent, const AnswerTree& child, bool bRight) {
    if (IsLeaf(child)) return false;
    if (bRight && parent.strOperator == "^^") return true;
    const int nParent = Precedence(parent.strOperator);
    const int nChild = Precedence(child.strOperator);
    return bRight ? nChild <= nParent : nChild < nParent;
}

enum class Style { Minimal, Full, Random };

std::string Write(const AnswerTree& tree, Style style, std::mt19937* pRandom, bool bRoot) {
    if (IsLeaf(tree)) {
        std::string strNumber = std::to_string(tree.nValue);
        if (style == Style::Random && (*pRandom)() % 8 == 0) return "(" + strNumber + ")";
        return strNumber;
    }
    std::string strLeft = Write(*tree.pLeft, style, pRandom, false);
    std::string strRight = Write(*tree.pRight, style, pRandom, false);
    if (NeedsParentheses(tree, *tree.pLeft, false)) strLeft = "(" + strLeft + ")";
    if (NeedsParentheses(tree, *tree.pRight, true)) strRight = "(" + strRight + ")";
    std::string strText = strLeft + tree.strOperator + strRight;
    if (style == Style::Full && !bRoot) return "(" + strText + ")";
    if (style == Style::Random) {
        const unsigned nRoll = (*pRandom)() % 10;
        if (nRoll < 3) strText = "(" + strText + ")";
        if (nRoll == 0) strText = "(" + strText + ")";
    }
    return strText;
}

// Rewrites that keep the value: one of a few identities at a node, chosen at random.
void Respell(std::unique_ptr<AnswerTree>& pTree, std::mt19937& random) {
    if (IsLeaf(*pTree)) return;
    Respell(pTree->pLeft, random);
    Respell(pTree->pRight, random);
    AnswerTree& t = *pTree;
    const bool bSum = t.strOperator == "+" || t.strOperator == "-";
    const bool bProduct = t.strOperator == "*" || t.strOperator == "/";
    AnswerTree& right = *t.pRight;
    if ((bSum || bProduct) && !IsLeaf(right) && random() % 2 == 0 &&
        Precedence(right.strOperator) == Precedence(t.strOperator)) {
        // a o1 (b o2 c) as (a o1 b) o3 c, where o3 is o2 when o1 keeps the sign or the
        // divisor and its opposite otherwise: a-(b-c) = a-b+c, a/(b*c) = a/b/c.
        const bool bInverse = t.strOperator == "-" || t.strOperator == "/";
        static const std::map<std::string, std::string> kOpposite = {
            {"+", "-"}, {"-", "+"}, {"*", "/"}, {"/", "*"}};
        const std::string strOuter = bInverse ? kOpposite.at(right.strOperator) : right.strOperator;
        if (t.strOperator == "/" && right.strOperator == "/") {
            // a/(b/c) = a*c/b
            pTree = Node("/", Node("*", std::move(t.pLeft), std::move(right.pRight)),
                         std::move(right.pLeft));
            return;
        }
        pTree = Node(strOuter, Node(t.strOperator, std::move(t.pLeft), std::move(right.pLeft)),
                     std::move(right.pRight));
        return;
    }
    if ((t.strOperator == "+" || t.strOperator == "*") && random() % 2 == 0)
        std::swap(t.pLeft, t.pRight);
}

} // namespace

std::unique_ptr<AnswerTree> AnswerTree::Clone() const {
    auto pCopy = std::make_unique<AnswerTree>();
    pCopy->strOperator = strOperator;
    pCopy->nValue = nValue;
    if (pLeft) pCopy->pLeft = pLeft->Clone();
    if (pRight) pCopy->pRight = pRight->Clone();
    return pCopy;
}

std::vector<std::unique_ptr<AnswerTree>> AllFourNumberTrees(const unsigned v[4]) {
    std::vector<std::unique_ptr<AnswerTree>> trees;
    for (const char* a : kOperators) {
        for (const char* b : kOperators) {
            for (const char* c : kOperators) {
                trees.push_back(
                    Node(c, Node(b, Node(a, Leaf(v[0]), Leaf(v[1])), Leaf(v[2])), Leaf(v[3])));
                trees.push_back(
                    Node(c, Node(a, Leaf(v[0]), Node(b, Leaf(v[1]), Leaf(v[2]))), Leaf(v[3])));
                trees.push_back(
                    Node(b, Node(a, Leaf(v[0]), Leaf(v[1])), Node(c, Leaf(v[2]), Leaf(v[3]))));
                trees.push_back(
                    Node(a, Leaf(v[0]), Node(c, Node(b, Leaf(v[1]), Leaf(v[2])), Leaf(v[3]))));
                trees.push_back(
                    Node(a, Leaf(v[0]), Node(b, Leaf(v[1]), Node(c, Leaf(v[2]), Leaf(v[3])))));
            }
        }
    }
    return trees;
}

std::string WriteMinimal(const AnswerTree& tree) {
    return Write(tree, Style::Minimal, nullptr, true);
}

std::string WriteFullyParenthesised(const AnswerTree& tree) {
    return Write(tree, Style::Full, nullptr, true);
}

std::string WriteRespelled(const AnswerTree& tree, std::mt19937& random) {
    std::unique_ptr<AnswerTree> pCopy = tree.Clone();
    Respell(pCopy, random);
    return Write(*pCopy, Style::Random, &random, true);
}

std::string WriteRandomAnswer(const unsigned uaValues[4], bool bAdvanced, bool bUnaryMinus,
                              std::mt19937& random) {
    std::vector<std::unique_ptr<AnswerTree>> parts;
    for (int i = 0; i < 4; ++i)
        parts.push_back(Leaf(uaValues[i]));
    std::shuffle(parts.begin(), parts.end(), random);
    while (parts.size() > 1) {
        const size_t i = random() % (parts.size() - 1);
        auto pNode = Node(kOperators[random() % (bAdvanced ? 6 : 4)], std::move(parts[i]),
                          std::move(parts[i + 1]));
        parts.erase(parts.begin() + static_cast<long>(i) + 1);
        parts[i] = std::move(pNode);
    }
    std::string strText = Write(*parts[0], Style::Random, &random, true);
    if (!bUnaryMinus) return strText;
    std::string strWithMinus;
    for (size_t i = 0; i < strText.size(); ++i) {
        strWithMinus += strText[i];
        const bool bAfterOperator = std::string("+-*/^").find(strText[i]) != std::string::npos &&
                                    i + 1 < strText.size() && strText[i + 1] != '^' &&
                                    !(strText[i] == '^' && i > 0 && strText[i - 1] == '^');
        if (bAfterOperator && random() % 4 == 0) strWithMinus += '-';
    }
    return strWithMinus;
}

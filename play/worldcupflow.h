// The World Cup around the main window: before the run, its dialog, the other copies and the
// rule the run is played under; after it, the report and, for a good result, the name and the
// rank table. The window calls Enter, then CRunLogic::StartWorldCup when Enter says yes, and
// hands every RunEnd to Finish.
#pragma once

#include <QString>

#include <functional>

class CMainLogic;
class CRegistryStore;
class IMessagePresenter;
class QWidget;
struct RunEnd;

class CWorldCupFlow {
public:
    // fnEnumInstances(0) counts the running copies, this one included; fnEnumInstances(1)
    // also asks every other copy to close.
    CWorldCupFlow(CMainLogic& logic, CRegistryStore& store, IMessagePresenter& messages,
                  std::function<int(int)> fnEnumInstances, QWidget* pParent = nullptr);

    // The World Cup command outside a World Cup: shows the dialog and, on Go!, makes sure this
    // copy runs alone and sets the main logic's rule and J/Q/K from the dialog. True when the
    // window should now start the run; false leaves everything as it was.
    bool Enter();

    // After a run ended: for a World Cup ended with its report, shows the report and enters a
    // qualifying result into its rank table. Anything else is left alone.
    void Finish(const RunEnd& end);

private:
    QString Text(const std::string& strText) const { return QString::fromStdString(strText); }

    CMainLogic& m_logic;
    CRegistryStore& m_store;
    IMessagePresenter& m_messages;
    std::function<int(int)> m_fnEnumInstances;
    QWidget* m_pParent;
};

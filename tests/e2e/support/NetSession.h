#pragma once

#include "MdnsResponder.h"
#include "ProbedApp.h"

// The program built with adding by address switched on, the network test
// family beside it, no local device, and a device answering on port 5353 of
// the loopback address from this process. Waits handle this process's events,
// so the responder answers while the test waits.
class NetSession : public ProbedApp
{
public:
    NetSession();

    // Starts the responder and the program.
    bool start(QString* error);
    MdnsResponder& responder() { return m_responder; }
    // Opens the add-by-address page from the footer's menu and types the loopback address.
    bool openAddByAddress();
    // Adds the device by that address, until it is listed.
    bool addDevice();

private:
    MdnsResponder m_responder;
};

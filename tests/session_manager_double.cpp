// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A session manager that does no more than accept its clients: it prints the address to put into
// SESSION_MANAGER, then "registered" for every client that has registered, and serves them until
// it is killed, which is what the test does to it.

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <vector>

namespace {

Bool anyLocalClient(char *)
{
    return True;
}

Status registerClient(SmsConn connection, SmPointer, char *)
{
    char *id = SmsGenerateClientID(connection);
    static char fallback[] = "1quarimo-test";
    SmsRegisterClientReply(connection, id ? id : fallback);
    std::puts("registered");
    std::fflush(stdout);
    return 1;
}

// The client's other requests are taken and left unanswered.
void interactRequest(SmsConn, SmPointer, int) {}
void interactDone(SmsConn, SmPointer, Bool) {}
void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void phase2Request(SmsConn, SmPointer) {}
void saveYourselfDone(SmsConn, SmPointer, Bool) {}
void closeConnection(SmsConn connection, SmPointer, int count, char **reasons)
{
    SmFreeReasons(count, reasons);
    IceConn ice = SmsGetIceConnection(connection);
    SmsCleanUp(connection);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
}
void setProperties(SmsConn, SmPointer, int count, SmProp **properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}
void deleteProperties(SmsConn, SmPointer, int, char **) {}
void getProperties(SmsConn connection, SmPointer)
{
    SmsReturnProperties(connection, 0, nullptr);
}

Status newClient(SmsConn, SmPointer, unsigned long *mask, SmsCallbacks *callbacks, char **)
{
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    std::memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = phase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    return 1;
}

} // namespace

int main()
{
    // A client that goes away is forgotten, not the end of the double.
    IceSetIOErrorHandler([](IceConn) {});
    char error[256];
    static char vendor[] = "quarimo-test", release[] = "1.0";
    int count = 0;
    IceListenObj *listeners = nullptr;
    if (!SmsInitialize(vendor, release, newClient, nullptr, anyLocalClient, sizeof error, error) ||
        !IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "session manager double: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyLocalClient);
    std::puts(IceComposeNetworkIdList(count, listeners));
    std::fflush(stdout);

    std::vector<IceConn> clients;
    for (;;) {
        std::vector<pollfd> waiting;
        for (int i = 0; i < count; ++i)
            waiting.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        for (IceConn client : clients)
            waiting.push_back({IceConnectionNumber(client), POLLIN, 0});
        if (::poll(waiting.data(), waiting.size(), -1) < 0)
            continue;
        // Only the clients that were polled have an answer; one accepted now waits for the next turn.
        const size_t polled = clients.size();
        for (int i = 0; i < count; ++i) {
            IceAcceptStatus status;
            if (waiting[size_t(i)].revents & POLLIN)
                if (IceConn client = IceAcceptConnection(listeners[i], &status))
                    clients.push_back(client);
        }
        for (size_t i = 0; i < polled; ++i) {
            if (!(waiting[size_t(count) + i].revents & (POLLIN | POLLHUP)))
                continue;
            if (IceProcessMessages(clients[i], nullptr, nullptr) != IceProcessMessagesSuccess) {
                clients.erase(clients.begin() + long(i));
                break;
            }
        }
    }
}

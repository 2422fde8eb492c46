// phoneviewservice.h - the phone view's web server as the program uses it. Its implementation
// (phoneviewmodule.cpp: cpp-httplib on threads of its own, answering as phoneviewhub.h says) lives
// in the module libvelto-phoneview.so, loaded the first time the phone view starts: cpp-httplib
// and the OpenSSL it is built with would otherwise keep about 4 MB resident in every run.
#ifndef PHONEVIEWSERVICE_H
#define PHONEVIEWSERVICE_H

#include <string>
#include <vector>

class PhoneViewService
{
public:
    virtual ~PhoneViewService() = default;
    // Listens on `address` and `port` (0: any free one) on a thread of its own; the port bound,
    // or -1 when the address or port cannot be used.
    virtual int listen(const std::string &address, int port) = 0;
    // Ends every stream and waits for the server's threads; nothing answers afterwards.
    virtual void stop() = 0;
    virtual void publishReadout(const std::string &json) = 0;
    virtual void publishView(const std::string &jpegBase64) = 0;
    // The remote address of each open stream.
    virtual std::vector<std::string> viewers() const = 0;
};

// The module's one entry point: a server that admits `token` and serves `page` at "/".
extern "C" PhoneViewService *veltoPhoneViewCreate(const char *token, const char *page);

#endif // PHONEVIEWSERVICE_H

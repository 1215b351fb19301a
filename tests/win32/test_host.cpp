#include "tests/win32/test_host.h"

TestHost::TestHost()
    : m_ComInitialised(CoInitialize(nullptr)),
      m_Object(new HostAutomation),
      m_Publication(static_cast<IDispatch*>(m_Object)) {}

TestHost::~TestHost() {
    m_Publication.Withdraw();
    m_Object->Release();
    if (SUCCEEDED(m_ComInitialised)) {
        CoUninitialize();
    }
}

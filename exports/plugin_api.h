#pragma once

// The module's exported functions, with the host's argument lists. Positions
// the module does not use keep their types but have no names.

namespace platform {
class COleDateTime;
}  // namespace platform

#if defined(_WIN32) && !defined(_WIN64)
#define PLUGIN_CALL __cdecl
#else
#define PLUGIN_CALL
#endif

extern "C" {

int PLUGIN_CALL GetNumberOfSets();
const char* PLUGIN_CALL GetSetName(int set);
void PLUGIN_CALL SetupSet0();
int PLUGIN_CALL GetExchgCount0(const char*, const char*, const char*);
int PLUGIN_CALL IsValidExchg0(const char* exchange, const char*, const char* prefix, const char*,
                              int, int, int flag);

int PLUGIN_CALL CheckCall0(const char* call, unsigned int, unsigned int, const char* mode,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char* prefix,
                           int, int, int, double, double, const char*, const char*, const char*,
                           const char*, const char*, const char* band, const char* refBand, char*,
                           char*);

int PLUGIN_CALL AddData0(const char* myCall, const char* call, platform::COleDateTime* qsoTime,
                         platform::COleDateTime*, platform::COleDateTime*, platform::COleDateTime*,
                         unsigned int, unsigned int freqHz, const char* mode, const char* rstSent,
                         const char* rstRcvd, const char* exchSent, const char* exchRcvd,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char* prefix,
                         int, int, int, double, double, const char*, const char*, const char*,
                         const char* band, const char*);

int PLUGIN_CALL RemoveData0(const char* myCall, const char* call, platform::COleDateTime* qsoTime,
                            platform::COleDateTime*, platform::COleDateTime*,
                            platform::COleDateTime*, unsigned int, unsigned int freqHz,
                            const char* mode, const char* rstSent, const char* rstRcvd,
                            const char* exchSent, const char* exchRcvd, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char* prefix, int, int, int, double,
                            double, const char*, const char*, const char*, const char* band,
                            const char*);

int PLUGIN_CALL ResetStats0(const char*, int reportMode, const char* myCall,
                            platform::COleDateTime* date1, platform::COleDateTime* date2,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*, int,
                            int, int, double, double, const char*, const char*, const char*);

const char* PLUGIN_CALL GetResult0(int* resultFlag);

}  // extern "C"

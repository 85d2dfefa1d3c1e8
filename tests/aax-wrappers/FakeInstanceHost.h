// Fake host objects of a plug-in instance: controller, page tables, transport, view container and automation
// delegate. Each records its calls and answers only the versions a test offers.
#pragma once

#include "FakeHost.h"

namespace FakeHost
{
/** Records a call and answers `answer` (AAX_SUCCESS unless a test changes it). */
#define FAKE_HOST_RECORD(aSlot, aOperation, ...)                                                                       \
    log.Add (name, aSlot, aOperation, __VA_ARGS__);                                                                    \
    return answer

class Controller : public AAX_IACFController_V3, public AAX_IACFPageTableController_V2, public Object
{
public:
    /** Offers controller versions 1 to `versions` and page-table controller versions 1 to `pageTableVersions`. */
    Controller (CallLog& logToUse, std::string nameToUse, int versions, int pageTableVersions)
        : Object (logToUse, nameToUse)
    {
        const _acfUID controllerIDs[] = {IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3};
        for (int i = 0; i < versions; ++i)
            Offer (controllerIDs[i], static_cast<AAX_IACFController_V3*> (this));

        const _acfUID pageTableIDs[] = {IID_IAAXPageTableController, IID_IAAXPageTableControllerV2};
        for (int i = 0; i < pageTableVersions; ++i)
            Offer (pageTableIDs[i], static_cast<AAX_IACFPageTableController_V2*> (this));
    }

    FAKE_HOST_UNKNOWN()

    /** The object as the host hands it to the plug-in. */
    IACFUnknown* AsUnknown() { return static_cast<AAX_IACFController_V3*> (this); }

    AAX_Result GetEffectID (AAX_IString* s) override { FAKE_HOST_RECORD (3, "GetEffectID", s); }
    AAX_Result GetSampleRate (AAX_CSampleRate* rate) override
    {
        *rate = 48000.0f;
        FAKE_HOST_RECORD (4, "GetSampleRate", rate);
    }
    AAX_Result GetInputStemFormat (AAX_EStemFormat* f) override { FAKE_HOST_RECORD (5, "GetInputStemFormat", f); }
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* f) override { FAKE_HOST_RECORD (6, "GetOutputStemFormat", f); }
    AAX_Result GetSignalLatency (int32_t* s) override { FAKE_HOST_RECORD (7, "GetSignalLatency", s); }
    AAX_Result GetCycleCount (AAX_EProperty p, AAX_CPropertyValue* v) override
    {
        FAKE_HOST_RECORD (8, "GetCycleCount", p, v);
    }
    AAX_Result GetTODLocation (int64_t* t) override { FAKE_HOST_RECORD (9, "GetTODLocation", t); }
    AAX_Result SetSignalLatency (int32_t s) override { FAKE_HOST_RECORD (10, "SetSignalLatency", s); }
    AAX_Result SetCycleCount (AAX_EProperty* p, AAX_CPropertyValue* v, int32_t n) override
    {
        FAKE_HOST_RECORD (11, "SetCycleCount", p, v, n);
    }
    AAX_Result PostPacket (AAX_CFieldIndex f, const void* d, uint32_t n) override
    {
        FAKE_HOST_RECORD (12, "PostPacket", f, d, n);
    }
    AAX_Result GetCurrentMeterValue (AAX_CTypeID m, float* v) override
    {
        FAKE_HOST_RECORD (13, "GetCurrentMeterValue", m, v);
    }
    AAX_Result GetMeterPeakValue (AAX_CTypeID m, float* v) override
    {
        FAKE_HOST_RECORD (14, "GetMeterPeakValue", m, v);
    }
    AAX_Result ClearMeterPeakValue (AAX_CTypeID m) override { FAKE_HOST_RECORD (15, "ClearMeterPeakValue", m); }
    AAX_Result GetMeterClipped (AAX_CTypeID m, AAX_CBoolean* c) override
    {
        FAKE_HOST_RECORD (16, "GetMeterClipped", m, c);
    }
    AAX_Result ClearMeterClipped (AAX_CTypeID m) override { FAKE_HOST_RECORD (17, "ClearMeterClipped", m); }
    AAX_Result GetMeterCount (uint32_t* n) override { FAKE_HOST_RECORD (18, "GetMeterCount", n); }
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* p, AAX_CMidiPacket* m) override
    {
        FAKE_HOST_RECORD (19, "GetNextMIDIPacket", p, m);
    }
    AAX_Result SendNotification (AAX_CTypeID t, const void* d, uint32_t n) override
    {
        FAKE_HOST_RECORD (20, "SendNotification", t, d, n);
    }
    AAX_Result GetHybridSignalLatency (int32_t* s) override { FAKE_HOST_RECORD (21, "GetHybridSignalLatency", s); }
    AAX_Result GetCurrentAutomationTimestamp (int64_t* t) override
    {
        FAKE_HOST_RECORD (22, "GetCurrentAutomationTimestamp", t);
    }
    AAX_Result GetHostName (AAX_IString* s) override { FAKE_HOST_RECORD (23, "GetHostName", s); }
    AAX_Result GetPlugInTargetPlatform (int32_t* p) override { FAKE_HOST_RECORD (24, "GetPlugInTargetPlatform", p); }
    AAX_Result GetIsAudioSuite (AAX_CBoolean* b) override { FAKE_HOST_RECORD (25, "GetIsAudioSuite", b); }

    AAX_Result CopyTableForEffect (AAX_CPropertyValue m, AAX_CPropertyValue p, AAX_CPropertyValue i, uint32_t t,
                                   int32_t s, IACFUnknown* table) override
    {
        FAKE_HOST_RECORD (3, "CopyTableForEffect", m, p, i, t, s, table);
    }
    AAX_Result CopyTableForLayout (const char* e, const char* l, uint32_t t, int32_t s, IACFUnknown* table) override
    {
        FAKE_HOST_RECORD (4, "CopyTableForLayout", e, l, t, s, table);
    }
    AAX_Result CopyTableForEffectFromFile (const char* f, AAX_ETextEncoding x, AAX_CPropertyValue m,
                                           AAX_CPropertyValue p, AAX_CPropertyValue i, uint32_t t, int32_t s,
                                           IACFUnknown* table) override
    {
        FAKE_HOST_RECORD (5, "CopyTableForEffectFromFile", f, x, m, p, i, t, s, table);
    }
    AAX_Result CopyTableForLayoutFromFile (const char* f, AAX_ETextEncoding x, const char* l, uint32_t t, int32_t s,
                                           IACFUnknown* table) override
    {
        FAKE_HOST_RECORD (6, "CopyTableForLayoutFromFile", f, x, l, t, s, table);
    }

    AAX_Result answer = AAX_SUCCESS;
};

class PageTable : public AAX_IACFPageTable_V2, public Object
{
public:
    PageTable (CallLog& logToUse, std::string nameToUse, int versions)
        : Object (logToUse, nameToUse)
    {
        if (versions >= 1)
            Offer (IID_IAAXPageTableV1, static_cast<AAX_IACFPageTable*> (this));
        if (versions >= 2)
            Offer (IID_IAAXPageTableV2, static_cast<AAX_IACFPageTable_V2*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result Clear() override { FAKE_HOST_RECORD (3, "Clear", ""); }
    AAX_Result Empty (AAX_CBoolean* e) override { FAKE_HOST_RECORD (4, "Empty", e); }
    AAX_Result GetNumPages (int32_t* n) override
    {
        *n = 3;
        FAKE_HOST_RECORD (5, "GetNumPages", n);
    }
    AAX_Result InsertPage (int32_t p) override { FAKE_HOST_RECORD (6, "InsertPage", p); }
    AAX_Result RemovePage (int32_t p) override { FAKE_HOST_RECORD (7, "RemovePage", p); }
    AAX_Result GetNumMappedParameterIDs (int32_t p, int32_t* n) override
    {
        FAKE_HOST_RECORD (8, "GetNumMappedParameterIDs", p, n);
    }
    AAX_Result ClearMappedParameter (int32_t p, int32_t s) override
    {
        FAKE_HOST_RECORD (9, "ClearMappedParameter", p, s);
    }
    AAX_Result GetMappedParameterID (int32_t p, int32_t s, AAX_IString* id) override
    {
        FAKE_HOST_RECORD (10, "GetMappedParameterID", p, s, id);
    }
    AAX_Result MapParameterID (AAX_CParamID id, int32_t p, int32_t s) override
    {
        FAKE_HOST_RECORD (11, "MapParameterID", id, p, s);
    }
    AAX_Result GetNumParametersWithNameVariations (int32_t* n) override
    {
        FAKE_HOST_RECORD (12, "GetNumParametersWithNameVariations", n);
    }
    AAX_Result GetNameVariationParameterIDAtIndex (int32_t i, AAX_IString* id) override
    {
        FAKE_HOST_RECORD (13, "GetNameVariationParameterIDAtIndex", i, id);
    }
    AAX_Result GetNumNameVariationsForParameter (AAX_CParamID id, int32_t* n) override
    {
        FAKE_HOST_RECORD (14, "GetNumNameVariationsForParameter", id, n);
    }
    AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID id, int32_t i, AAX_IString* s, int32_t* l) override
    {
        FAKE_HOST_RECORD (15, "GetParameterNameVariationAtIndex", id, i, s, l);
    }
    AAX_Result GetParameterNameVariationOfLength (AAX_CParamID id, int32_t l, AAX_IString* s) override
    {
        FAKE_HOST_RECORD (16, "GetParameterNameVariationOfLength", id, l, s);
    }
    AAX_Result ClearParameterNameVariations() override { FAKE_HOST_RECORD (17, "ClearParameterNameVariations", ""); }
    AAX_Result ClearNameVariationsForParameter (AAX_CParamID id) override
    {
        FAKE_HOST_RECORD (18, "ClearNameVariationsForParameter", id);
    }
    AAX_Result SetParameterNameVariation (AAX_CParamID id, const AAX_IString* s, int32_t l) override
    {
        FAKE_HOST_RECORD (19, "SetParameterNameVariation", id, s, l);
    }

    AAX_Result answer = AAX_SUCCESS;
};

class Transport : public AAX_IACFTransport_V3, public Object
{
public:
    Transport (CallLog& logToUse, std::string nameToUse, int versions)
        : Object (logToUse, nameToUse)
    {
        const _acfUID ids[] = {IID_IAAXTransportV1, IID_IAAXTransportV2, IID_IAAXTransportV3};
        for (int i = 0; i < versions; ++i)
            Offer (ids[i], static_cast<AAX_IACFTransport_V3*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result GetCurrentTempo (double* t) override
    {
        *t = 120.0;
        FAKE_HOST_RECORD (3, "GetCurrentTempo", t);
    }
    AAX_Result GetCurrentMeter (int32_t* n, int32_t* d) override { FAKE_HOST_RECORD (4, "GetCurrentMeter", n, d); }
    AAX_Result IsTransportPlaying (bool* p) override { FAKE_HOST_RECORD (5, "IsTransportPlaying", p); }
    AAX_Result GetCurrentTickPosition (int64_t* t) override { FAKE_HOST_RECORD (6, "GetCurrentTickPosition", t); }
    AAX_Result GetCurrentLoopPosition (bool* l, int64_t* s, int64_t* e) override
    {
        FAKE_HOST_RECORD (7, "GetCurrentLoopPosition", l, s, e);
    }
    AAX_Result GetCurrentNativeSampleLocation (int64_t* s) override
    {
        FAKE_HOST_RECORD (8, "GetCurrentNativeSampleLocation", s);
    }
    AAX_Result GetCustomTickPosition (int64_t* t, int64_t s) override
    {
        FAKE_HOST_RECORD (9, "GetCustomTickPosition", t, s);
    }
    AAX_Result GetBarBeatPosition (int32_t* b, int32_t* bt, int64_t* t, int64_t s) override
    {
        FAKE_HOST_RECORD (10, "GetBarBeatPosition", b, bt, t, s);
    }
    AAX_Result GetTicksPerQuarter (uint32_t* t) override { FAKE_HOST_RECORD (11, "GetTicksPerQuarter", t); }
    AAX_Result GetCurrentTicksPerBeat (uint32_t* t) override { FAKE_HOST_RECORD (12, "GetCurrentTicksPerBeat", t); }
    AAX_Result GetTimelineSelectionStartPosition (int64_t* s) override
    {
        FAKE_HOST_RECORD (13, "GetTimelineSelectionStartPosition", s);
    }
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* r, int32_t* o) override
    {
        FAKE_HOST_RECORD (14, "GetTimeCodeInfo", r, o);
    }
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* r, int64_t* o) override
    {
        FAKE_HOST_RECORD (15, "GetFeetFramesInfo", r, o);
    }
    AAX_Result IsMetronomeEnabled (int32_t* e) override { FAKE_HOST_RECORD (16, "IsMetronomeEnabled", e); }
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* r, int64_t* o) override
    {
        FAKE_HOST_RECORD (17, "GetHDTimeCodeInfo", r, o);
    }

    AAX_Result answer = AAX_SUCCESS;
};

class ViewContainer : public AAX_IACFViewContainer_V3, public Object
{
public:
    ViewContainer (CallLog& logToUse, std::string nameToUse, int versions)
        : Object (logToUse, nameToUse)
    {
        const _acfUID ids[] = {IID_IAAXViewContainerV1, IID_IAAXViewContainerV2, IID_IAAXViewContainerV3};
        for (int i = 0; i < versions; ++i)
            Offer (ids[i], static_cast<AAX_IACFViewContainer_V3*> (this));
    }

    FAKE_HOST_UNKNOWN()

    int32_t GetType() override
    {
        log.Add (name, 3, "GetType");
        return AAX_eViewContainer_Type_HWND;
    }
    void* GetPtr() override
    {
        log.Add (name, 4, "GetPtr");
        return &nativeView;
    }
    AAX_Result GetModifiers (uint32_t* m) override { FAKE_HOST_RECORD (5, "GetModifiers", m); }
    AAX_Result SetViewSize (AAX_Point* s) override { FAKE_HOST_RECORD (6, "SetViewSize", s->vert, s->horz); }
    AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t m) override
    {
        FAKE_HOST_RECORD (7, "HandleParameterMouseDown", id, m);
    }
    AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t m) override
    {
        FAKE_HOST_RECORD (8, "HandleParameterMouseDrag", id, m);
    }
    AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t m) override
    {
        FAKE_HOST_RECORD (9, "HandleParameterMouseUp", id, m);
    }
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t n, uint32_t m) override
    {
        FAKE_HOST_RECORD (10, "HandleMultipleParametersMouseDown", ids, n, m);
    }
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t n, uint32_t m) override
    {
        FAKE_HOST_RECORD (11, "HandleMultipleParametersMouseDrag", ids, n, m);
    }
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t n, uint32_t m) override
    {
        FAKE_HOST_RECORD (12, "HandleMultipleParametersMouseUp", ids, n, m);
    }
    AAX_Result HandleParameterMouseEnter (AAX_CParamID id, uint32_t m) override
    {
        FAKE_HOST_RECORD (13, "HandleParameterMouseEnter", id, m);
    }
    AAX_Result HandleParameterMouseExit (AAX_CParamID id, uint32_t m) override
    {
        FAKE_HOST_RECORD (14, "HandleParameterMouseExit", id, m);
    }

    int nativeView = 0;
    AAX_Result answer = AAX_SUCCESS;
};

class AutomationDelegate : public AAX_IACFAutomationDelegate, public Object
{
public:
    AutomationDelegate (CallLog& logToUse, std::string nameToUse)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IAAXAutomationDelegateV1, static_cast<AAX_IACFAutomationDelegate*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result RegisterParameter (AAX_CParamID id) override { FAKE_HOST_RECORD (3, "RegisterParameter", id); }
    AAX_Result UnregisterParameter (AAX_CParamID id) override { FAKE_HOST_RECORD (4, "UnregisterParameter", id); }
    AAX_Result PostSetValueRequest (AAX_CParamID id, double v) override
    {
        FAKE_HOST_RECORD (5, "PostSetValueRequest", id, v);
    }
    AAX_Result PostCurrentValue (AAX_CParamID id, double v) override
    {
        FAKE_HOST_RECORD (6, "PostCurrentValue", id, v);
    }
    AAX_Result PostTouchRequest (AAX_CParamID id) override { FAKE_HOST_RECORD (7, "PostTouchRequest", id); }
    AAX_Result PostReleaseRequest (AAX_CParamID id) override { FAKE_HOST_RECORD (8, "PostReleaseRequest", id); }
    AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* t) override
    {
        FAKE_HOST_RECORD (9, "GetTouchState", id, t);
    }

    AAX_Result answer = AAX_SUCCESS;
};

#undef FAKE_HOST_RECORD
}

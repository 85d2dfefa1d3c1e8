// Enumerations shared by the AAX interface library and the host.
#ifndef AAX_ENUMS_H
#define AAX_ENUMS_H

#include <cstdint>

/** Channel layouts: (layout index << 16) + channel count. */
enum AAX_EStemFormat : int32_t
{
    AAX_eStemFormat_Mono = 0x00000001,
    AAX_eStemFormat_Stereo = 0x00010002,
    AAX_eStemFormat_LCR = 0x00020003,
    AAX_eStemFormat_LCRS = 0x00030004,
    AAX_eStemFormat_Quad = 0x00040004,
    AAX_eStemFormat_5_0 = 0x00050005,
    AAX_eStemFormat_5_1 = 0x00060006,
    AAX_eStemFormat_6_0 = 0x00070006,
    AAX_eStemFormat_6_1 = 0x00080007,
    AAX_eStemFormat_7_0_SDDS = 0x00090007,
    AAX_eStemFormat_7_1_SDDS = 0x000A0008,
    AAX_eStemFormat_7_0_DTS = 0x000B0007,
    AAX_eStemFormat_7_1_DTS = 0x000C0008,
    AAX_eStemFormat_7_1_2 = 0x000D000A,
    AAX_eStemFormat_Ambi_1_ACN = 0x000E0004,
    AAX_eStemFormat_Ambi_2_ACN = 0x00120009,
    AAX_eStemFormat_Ambi_3_ACN = 0x00130010,
    AAX_eStemFormat_7_0_2 = 0x00140009,

    AAX_eStemFormat_Reserved_1 = 0x00150000,
    AAX_eStemFormat_Reserved_2 = 0x00160000,
    AAX_eStemFormat_Reserved_3 = 0x00170000,
    AAX_eStemFormatNum = 0x00180000,

    AAX_eStemFormat_None = static_cast<int32_t> (0xFF9C0000u), // no bus on this side
    AAX_eStemFormat_Any = static_cast<int32_t> (0xFFFF0000u),
    AAX_eStemFormat_INT32_MAX = 0x7FFFFFFF
};

/** Property identifiers of property maps. */
enum AAX_EProperty : int32_t
{
    AAX_eProperty_NoID = 0,
    AAX_eProperty_MinProp = 10,
    AAX_eProperty_ManufacturerID = 11,
    AAX_eProperty_ProductID = 12,
    AAX_eProperty_PlugInID_Native = 13,
    AAX_eProperty_PlugInID_AudioSuite = 14,
    AAX_eProperty_PlugInID_TI = 15,
    AAX_eProperty_NativeProcessProc = 36,
    AAX_eProperty_NativeInstanceInitProc = 37,
    AAX_eProperty_NativeBackgroundProc = 38,
    AAX_eProperty_TIDLLFileName = 39,
    AAX_eProperty_TIProcessProc = 40,
    AAX_eProperty_TIInstanceInitProc = 41,
    AAX_eProperty_TIBackgroundProc = 42,
    AAX_eProperty_InputStemFormat = 51,
    AAX_eProperty_OutputStemFormat = 52,
    AAX_eProperty_AudioBufferLength = 54,
    AAX_eProperty_CanBypass = 60,
    AAX_eProperty_SupportsSideChainInput = 116,
    AAX_eProperty_Meter_Type = 200,
    AAX_eProperty_Meter_Orientation = 201,
    AAX_eProperty_Constraint_MultiMonoSupport = 304,
    AAX_eProperty_Constraint_AlwaysProcess = 305,
    AAX_eProperty_Constraint_DoNotApplyDefaultSettings = 306,
    AAX_eProperty_SupportsSaveRestore = 307,
    AAX_eProperty_ObservesTransportState = 309,
    AAX_eProperty_MaxProp = 401
};

/** How a host reports its support of a feature. */
enum AAX_ESupportLevel : int32_t
{
    AAX_eSupportLevel_Uninitialized = 0,
    AAX_eSupportLevel_Unsupported = 1,
    AAX_eSupportLevel_Supported = 2,
    AAX_eSupportLevel_Disabled = 3,
    AAX_eSupportLevel_ByProperty = 4
};

/** Who caused a parameter update. The library passes it on without interpreting it. */
enum AAX_EUpdateSource : int32_t
{
    AAX_eUpdateSource_Unspecified = 0,
    AAX_eUpdateSource_Parameter = 1,
    AAX_eUpdateSource_Chunk = 2,
    AAX_eUpdateSource_Delay = 3
};

/** Host notifications: four-character types. */
enum AAX_ENotificationEvent : uint32_t
{
    AAX_eNotificationEvent_InsertPositionChanged = 0x696E7370,      // 'insp'
    AAX_eNotificationEvent_TrackNameChanged = 0x74726E6D,           // 'trnm'
    AAX_eNotificationEvent_EnteringOfflineMode = 0x656E6F66,        // 'enof'
    AAX_eNotificationEvent_ExitingOfflineMode = 0x65786F66,         // 'exof'
    AAX_eNotificationEvent_SideChainBeingConnected = 0x73636F6E,    // 'scon'
    AAX_eNotificationEvent_SideChainBeingDisconnected = 0x73646373, // 'sdcs'
    AAX_eNotificationEvent_ASProcessingState = 0x41537073,          // 'ASps'
    AAX_eNotificationEvent_ASPreviewState = 0x41535076,             // 'ASPv'
    AAX_eNotificationEvent_TransportStateChanged = 0x74727374       // 'trst'
};

/** Payload of AAX_eNotificationEvent_ASProcessingState. */
enum AAX_EProcessingState : int32_t
{
    AAX_eProcessingState_None = 0,
    AAX_eProcessingState_StartPass = 1,
    AAX_eProcessingState_EndPass = 2,
    AAX_eProcessingState_BeginPassGroup = 3,
    AAX_eProcessingState_EndPassGroup = 4
};

/** Trace priorities of the host's trace output. */
enum AAX_ETracePriorityHost : int32_t
{
    AAX_eTracePriorityHost_None = 0,
    AAX_eTracePriorityHost_Critical = 0x10000000,
    AAX_eTracePriorityHost_High = 0x08000000,
    AAX_eTracePriorityHost_Normal = 0x04000000,
    AAX_eTracePriorityHost_Low = 0x02000000,
    AAX_eTracePriorityHost_Lowest = 0x01000000
};

/** Flags of an assertion report. */
enum AAX_EAssertFlags : int32_t
{
    AAX_eAssertFlags_Default = 0,
    AAX_eAssertFlags_Log = 1 << 0,
    AAX_eAssertFlags_Dialog = 1 << 1
};

enum AAX_EParameterType : int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1
};

/** Orientation flags of a parameter's control; OR-ed together, so the parameter type is a plain integer. */
typedef int32_t AAX_EParameterOrientation;

enum AAX_EParameterOrientationBits : int32_t
{
    AAX_eParameterOrientation_Default = 0,
    AAX_eParameterOrientation_BottomMinTopMax = 0,
    AAX_eParameterOrientation_TopMinBottomMax = 1 << 0,
    AAX_eParameterOrientation_LeftMinRightMax = 0,
    AAX_eParameterOrientation_RightMinLeftMax = 1 << 1,
    AAX_eParameterOrientation_RotarySingleDotMode = 0,
    AAX_eParameterOrientation_RotaryBoostCutMode = 1 << 2,
    AAX_eParameterOrientation_RotaryWrapMode = 2 << 2,
    AAX_eParameterOrientation_RotarySpreadMode = 3 << 2,
    AAX_eParameterOrientation_RotaryLeftMinRightMax = 0,
    AAX_eParameterOrientation_RotaryRightMinLeftMax = 1 << 4
};

enum AAX_EMeterType : int32_t
{
    AAX_eMeterType_Input = 0,
    AAX_eMeterType_Output = 1,
    AAX_eMeterType_CLGain = 2,
    AAX_eMeterType_EGGain = 3,
    AAX_eMeterType_Analysis = 4,
    AAX_eMeterType_Other = 5,
    AAX_eMeterType_None = 31
};

enum AAX_EMeterOrientation : int32_t
{
    AAX_eMeterOrientation_Default = 0,
    AAX_eMeterOrientation_BottomLeft = 0,
    AAX_eMeterOrientation_TopRight = 1,
    AAX_eMeterOrientation_Center = 2,
    AAX_eMeterOrientation_PhaseDot = 3
};

enum AAX_EHighlightColor : int32_t
{
    AAX_eHighlightColor_Red = 0,
    AAX_eHighlightColor_Blue = 1,
    AAX_eHighlightColor_Green = 2,
    AAX_eHighlightColor_Yellow = 3,
    AAX_eHighlightColor_Num = 4
};

enum AAX_EFrameRate : int32_t
{
    AAX_eFrameRate_Undeclared = 0,
    AAX_eFrameRate_24Frame = 1,
    AAX_eFrameRate_25Frame = 2,
    AAX_eFrameRate_2997NonDrop = 3,
    AAX_eFrameRate_2997DropFrame = 4,
    AAX_eFrameRate_30NonDrop = 5,
    AAX_eFrameRate_30DropFrame = 6,
    AAX_eFrameRate_23976 = 7,
    AAX_eFrameRate_47952 = 8,
    AAX_eFrameRate_48Frame = 9,
    AAX_eFrameRate_50Frame = 10,
    AAX_eFrameRate_5994NonDrop = 11,
    AAX_eFrameRate_5994DropFrame = 12,
    AAX_eFrameRate_60NonDrop = 13,
    AAX_eFrameRate_60DropFrame = 14,
    AAX_eFrameRate_100Frame = 15,
    AAX_eFrameRate_11988NonDrop = 16,
    AAX_eFrameRate_11988DropFrame = 17,
    AAX_eFrameRate_120NonDrop = 18,
    AAX_eFrameRate_120DropFrame = 19
};

enum AAX_EFeetFramesRate : int32_t
{
    AAX_eFeetFramesRate_23976 = 0,
    AAX_eFeetFramesRate_24 = 1,
    AAX_eFeetFramesRate_25 = 2
};

enum AAX_ETextEncoding : int32_t
{
    AAX_eTextEncoding_Undefined = -1,
    AAX_eTextEncoding_UTF8 = 0
};

enum AAX_EPlugInStrings : int32_t
{
    AAX_ePlugInStrings_Analysis = 0,
    AAX_ePlugInStrings_MonoMode = 1,
    AAX_ePlugInStrings_Activate = 2,
    AAX_ePlugInStrings_AI = 3,
    AAX_ePlugInStrings_CompressorDescription = 4,
    AAX_ePlugInStrings_ExpanderDescription = 5,
    AAX_ePlugInStrings_DeEsserDescription = 6,
    AAX_ePlugInStrings_ClipIndicator = 7,
    AAX_ePlugInStrings_Num = 8
};

/** Kinds of data-in ports; the default buffered port is 1. */
enum AAX_EDataInPortType : int32_t
{
    AAX_eDataInPortType_Unbuffered = 0,
    AAX_eDataInPortType_Buffered = 1,
    AAX_eDataInPortType_Incremental = 2
};

enum AAX_EPrivateDataOptions : int32_t
{
    AAX_ePrivateDataOptions_DefaultOptions = 0,
    AAX_ePrivateDataOptions_KeepOnReset = 1 << 0,
    AAX_ePrivateDataOptions_External = 1 << 1
};

enum AAX_EMIDINodeType : int32_t
{
    AAX_eMIDINodeType_LocalInput = 0,
    AAX_eMIDINodeType_LocalOutput = 1,
    AAX_eMIDINodeType_Global = 2,
    AAX_eMIDINodeType_Transport = 3
};

enum AAX_EResourceType : int32_t
{
    AAX_eResourceType_None = 0,
    AAX_eResourceType_PageTable = 1,
    AAX_eResourceType_PageTableDir = 2
};

/** Identifiers of the procedures a plug-in hands to the host with AddProcPtr. */
enum AAX_EProcPtrID : int32_t
{
    kAAX_ProcPtrID_Create_EffectParameters = 0,
    kAAX_ProcPtrID_Create_EffectGUI = 1
};

enum AAX_ECurveType : uint32_t
{
    AAX_eCurveType_None = 0,
    AAX_eCurveType_EQ = 0x45517563,       // 'EQuc'
    AAX_eCurveType_Dynamics = 0x44796E63, // 'Dync'
    AAX_eCurveType_Reduction = 0x52647563 // 'Rduc'
};

enum AAX_EViewContainer_Type : int32_t
{
    AAX_eViewContainer_Type_NULL = 0,
    AAX_eViewContainer_Type_NSView = 1,
    AAX_eViewContainer_Type_UIView = 2,
    AAX_eViewContainer_Type_HWND = 3
};

enum AAX_EModifiers : uint32_t
{
    AAX_eModifiers_None = 0,
    AAX_eModifiers_Shift = 1 << 0,
    AAX_eModifiers_Control = 1 << 1,
    AAX_eModifiers_Option = 1 << 2,
    AAX_eModifiers_Command = 1 << 3,
    AAX_eModifiers_SecondaryButton = 1 << 4,
    AAX_eModifiers_Alt = AAX_eModifiers_Option,
    AAX_eModifiers_Cntl = AAX_eModifiers_Command,
    AAX_eModifiers_WINKEY = AAX_eModifiers_Control
};

/** Audio buffer lengths as powers of two. */
enum AAX_EAudioBufferLength : int32_t
{
    AAX_eAudioBufferLength_Undefined = -1,
    AAX_eAudioBufferLength_1 = 0,
    AAX_eAudioBufferLength_2 = 1,
    AAX_eAudioBufferLength_4 = 2,
    AAX_eAudioBufferLength_8 = 3,
    AAX_eAudioBufferLength_16 = 4,
    AAX_eAudioBufferLength_32 = 5,
    AAX_eAudioBufferLength_64 = 6,
    AAX_eAudioBufferLength_128 = 7,
    AAX_eAudioBufferLength_256 = 8,
    AAX_eAudioBufferLength_512 = 9,
    AAX_eAudioBufferLength_1024 = 10,
    AAX_eAudioBufferLength_Max = AAX_eAudioBufferLength_1024
};

//==============================================================================
// Enumerations added by the description and host-interface wrappers go below.

/** What happens to an algorithm instance when the host calls a native instance-initialisation callback. */
enum AAX_EComponentInstanceInitAction : int32_t
{
    AAX_eComponentInstanceInitAction_AddingNewInstance = 0,
    AAX_eComponentInstanceInitAction_RemovingInstance = 1,
    AAX_eComponentInstanceInitAction_ResetInstance = 2
};

#endif

#include "AAX_CheckedResult.h"
#include "AAX_Errors.h"
#include "AAX_Exception.h"
#include "ScopedHostServices.h"

#include <gtest/gtest.h>

#include <map>

TEST (ResultCodes, EveryNamedCodeHasItsOwnName)
{
    const std::map<AAX_Result, std::string> table{
        {0, "AAX_SUCCESS"},
        {-20001, "AAX_ERROR_INVALID_PARAMETER_ID"},
        {-20002, "AAX_ERROR_INVALID_STRING_CONVERSION"},
        {-20003, "AAX_ERROR_INVALID_METER_INDEX"},
        {-20004, "AAX_ERROR_NULL_OBJECT"},
        {-20005, "AAX_ERROR_OLDER_VERSION"},
        {-20006, "AAX_ERROR_INVALID_CHUNK_INDEX"},
        {-20007, "AAX_ERROR_INVALID_CHUNK_ID"},
        {-20008, "AAX_ERROR_INCORRECT_CHUNK_SIZE"},
        {-20009, "AAX_ERROR_UNIMPLEMENTED"},
        {-20010, "AAX_ERROR_INVALID_PARAMETER_INDEX"},
        {-20011, "AAX_ERROR_NOT_INITIALIZED"},
        {-20012, "AAX_ERROR_ACF_ERROR"},
        {-20013, "AAX_ERROR_INVALID_METER_TYPE"},
        {-20014, "AAX_ERROR_CONTEXT_ALREADY_HAS_METERS"},
        {-20015, "AAX_ERROR_NULL_COMPONENT"},
        {-20016, "AAX_ERROR_PORT_ID_OUT_OF_RANGE"},
        {-20017, "AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS"},
        {-20018, "AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS"},
        {-20019, "AAX_ERROR_FIFO_FULL"},
        {-20020, "AAX_ERROR_INITIALIZING_PACKET_STREAM_THREAD"},
        {-20021, "AAX_ERROR_POST_PACKET_FAILED"},
        {-20022, "AAX_RESULT_PACKET_STREAM_NOT_EMPTY"},
        {-20023, "AAX_RESULT_ADD_FIELD_UNSUPPORTED_FIELD_TYPE"},
        {-20024, "AAX_ERROR_MIXER_THREAD_FALLING_BEHIND"},
        {-20025, "AAX_ERROR_INVALID_FIELD_INDEX"},
        {-20026, "AAX_ERROR_MALFORMED_CHUNK"},
        {-20027, "AAX_ERROR_TOD_BEHIND"},
        {-20028, "AAX_RESULT_NEW_PACKET_POSTED"},
        {-20030, "AAX_ERROR_PLUGIN_NULL_PARAMETER"},
        {-20031, "AAX_ERROR_NOTIFICATION_FAILED"},
        {-20032, "AAX_ERROR_INVALID_VIEW_SIZE"},
        {-20033, "AAX_ERROR_SIGNED_INT_OVERFLOW"},
        {-20034, "AAX_ERROR_NO_COMPONENTS"},
        {-20035, "AAX_ERROR_DUPLICATE_EFFECT_ID"},
        {-20036, "AAX_ERROR_DUPLICATE_TYPE_ID"},
        {-20037, "AAX_ERROR_EMPTY_EFFECT_NAME"},
        {-20038, "AAX_ERROR_UNKNOWN_PLUGIN"},
        {-20039, "AAX_ERROR_PROPERTY_UNDEFINED"},
        {-20040, "AAX_ERROR_INVALID_PATH"},
        {-20041, "AAX_ERROR_UNKNOWN_ID"},
        {-20042, "AAX_ERROR_UNKNOWN_EXCEPTION"},
        {-20043, "AAX_ERROR_INVALID_ARGUMENT"},
        {-20044, "AAX_ERROR_NULL_ARGUMENT"},
        {-20045, "AAX_ERROR_INVALID_INTERNAL_DATA"},
        {-20046, "AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW"},
    };

    for (const auto& [code, name] : table)
        EXPECT_EQ (AAX_ResultToString (code), name) << code;

    EXPECT_EQ (table.size(), 46u);
}

TEST (ResultCodes, PluginRangeAndUnknownCodes)
{
    EXPECT_STREQ (AAX_ResultToString (-21000), "plug-in defined error");
    EXPECT_STREQ (AAX_ResultToString (-20600), "plug-in defined error");
    EXPECT_STREQ (AAX_ResultToString (-20800), "plug-in defined error");

    EXPECT_STREQ (AAX_ResultToString (-21001), "<unknown error code>");
    EXPECT_STREQ (AAX_ResultToString (-20599), "<unknown error code>");
    EXPECT_STREQ (AAX_ResultToString (-20047), "<unknown error code>");
    EXPECT_STREQ (AAX_ResultToString (-20029), "<unknown error code>"); // the gap in the table
    EXPECT_STREQ (AAX_ResultToString (1), "<unknown error code>");
    EXPECT_STREQ (AAX_ResultToString (20700), "<unknown error code>");
}

TEST (Exceptions, WhatTextCarriesFunctionAndLineOnlyWhenGiven)
{
    EXPECT_EQ (AAX::Exception::Any ("broken", "DoIt", "42").What(), "broken func:DoIt line:42");
    EXPECT_EQ (AAX::Exception::Any ("broken", "", "42").What(), "broken line:42");
    EXPECT_EQ (AAX::Exception::Any ("broken", "DoIt").What(), "broken func:DoIt");
    EXPECT_EQ (AAX::Exception::Any ("broken").What(), "broken");

    const AAX::Exception::ResultError error ("failed", -20004);
    EXPECT_EQ (error.What(), "failed");
    EXPECT_EQ (error.Result(), -20004);
}

TEST (CheckedResult, SuccessPassesWithoutTrace)
{
    FakeHost::ServicesHost host (3);
    const FakeHost::ScopedHostServices services (host);

    AAX_CheckedResult result (AAX_SUCCESS);
    EXPECT_NO_THROW (result.Check());
    EXPECT_NO_THROW (result = AAX_SUCCESS);
    EXPECT_TRUE (host.log.Of ("Trace").empty());
}

TEST (CheckedResult, FailureIsTracedThrownAndCleared)
{
    FakeHost::ServicesHost host (3);
    const FakeHost::ScopedHostServices services (host);

    AAX_CheckedResult result (AAX_ERROR_NULL_OBJECT);

    try
    {
        result.Check();
        FAIL() << "no exception";
    }
    catch (const AAX::Exception::ResultError& error)
    {
        EXPECT_EQ (error.Result(), -20004);
        EXPECT_EQ (error.What(), "AAX_ERROR_NULL_OBJECT (-20004)");
    }

    const auto traces = host.log.Of ("Trace");
    ASSERT_EQ (traces.size(), 1u);
    EXPECT_EQ (traces[0].arguments,
               (std::vector<std::string>{std::to_string (0x4000000),
                                         "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)"}));

    EXPECT_EQ (result.GetCurrentResult(), 0);
    EXPECT_EQ (result.LastError(), -20004);
    EXPECT_NO_THROW (result.Check());
}

TEST (CheckedResult, AssignmentChecksAtOnce)
{
    AAX_CheckedResult result;
    EXPECT_THROW (result = -20700, AAX::Exception::ResultError);

    try
    {
        result = -20700;
    }
    catch (const AAX::Exception::ResultError& error)
    {
        EXPECT_EQ (error.What(), "plug-in defined error (-20700)");
    }

    // Without host services the trace is skipped and the exception still thrown.
    EXPECT_THROW (result = 5, AAX::Exception::ResultError);
}

TEST (CheckedResult, AcceptedCodesPass)
{
    AAX_CheckedResult result;
    result.AddAcceptedResult (AAX_ERROR_UNIMPLEMENTED);

    EXPECT_NO_THROW (result = AAX_ERROR_UNIMPLEMENTED);
    EXPECT_THROW (result = AAX_ERROR_NULL_OBJECT, AAX::Exception::ResultError);
}

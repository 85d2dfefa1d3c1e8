#include "Host.h"

#include "HostCollection.h"
#include "HostContext.h"
#include "PluginInstance.h"
#include "StemFormats.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

#include <cstdio>
#include <iostream>
#include <ostream>

namespace aaxhost
{
Host::Session::Session (const std::string& bundlePath, HostOptions options)
    : module (bundlePath)
    , context (ComPtr<HostContext>::share (new HostContext (state)))
{
    state.options = std::move (options);
    context->setFactoryAnswer (state.options.startupFactory);
    startupResult = module.startup (context.get());
}

Host::Session::~Session()
{
    shutdown();
    state.lentObjects.clear();

    // Objects the plug-in still counts may yet be called, so their code must stay mapped.
    if (const auto liveObjects = module.canUnloadNow (context.get()); liveObjects != 0)
    {
        module.keepLoaded();
        std::cerr << "aax-host: the plug-in still counts " << liveObjects
                  << " live object(s) at the end; its module stays loaded\n";
    }
}

ACFRESULT Host::Session::shutdown()
{
    if (isShutDown)
        return 0;

    isShutDown = true;
    return module.shutdown (context.get());
}

Host::Host (const std::string& bundlePath, HostOptions options)
    : session (std::make_shared<Session> (bundlePath, std::move (options)))
{
}

Host::~Host() = default;

ACFRESULT Host::shutdown()
{
    return session->shutdown();
}

IACFUnknown* Host::getHostUnknown() const noexcept
{
    return session->context.get();
}

ACFRESULT Host::canUnloadNow() const
{
    return session->module.canUnloadNow (session->context.get());
}

ACFRESULT Host::tryRegisterPlugin()
{
    auto& state = session->state;
    auto& context = session->context;
    context->setFactoryAnswer (state.options.registrationFactory);

    IACFUnknown* definition = nullptr;
    const auto result = session->module.registerPlugin (context.get(), &definition);

    // What the registration handed back carries one reference for the host.
    const auto definitionHolder = ComPtr<IACFUnknown>::adopt (definition);

    if (result == 0)
    {
        if (const auto* collection = dynamic_cast<const HostCollection*> (definition))
            description = collection->getDescription();
    }

    // The feature information and its maps were lent for the registration only.
    state.lentObjects.clear();
    context->setFactoryAnswer (state.options.startupFactory);
    return result;
}

void Host::registerPlugin()
{
    const auto result = tryRegisterPlugin();

    if (result != 0)
        throw PluginError ("ACFRegisterPlugin failed", result);

    if (description.effects.empty())
        throw PluginError ("the plug-in registered no effect", AAX_ERROR_NULL_OBJECT);
}

std::unique_ptr<PluginInstance> Host::createInstance (const EffectDescription& effect,
                                                      const ComponentDescription& component,
                                                      const InstanceSettings& settings)
{
    auto factory = ComPtr<IACFUnknown>::share (new HostComponentFactory (session->state));

    // The instance holds the state through the session, so the module stays loaded while it lives.
    return std::make_unique<PluginInstance> (std::shared_ptr<HostState> (session, &session->state), effect, component,
                                             settings, std::move (factory));
}

//==============================================================================
namespace
{
    std::string quoted (const std::string& text)
    {
        return "\"" + text + "\"";
    }

    std::string describeProperty (int32_t property, int32_t value)
    {
        switch (property)
        {
            case AAX_eProperty_ManufacturerID:
            case AAX_eProperty_ProductID:
            case AAX_eProperty_PlugInID_Native:
            case AAX_eProperty_PlugInID_AudioSuite:
            case AAX_eProperty_PlugInID_TI:
                return fourCharCode ((uint32_t)value);
            case AAX_eProperty_InputStemFormat:
            case AAX_eProperty_OutputStemFormat:
            {
                char text[64];
                std::snprintf (text, sizeof (text), "0x%08X (%s)", (uint32_t)value, stemFormatName (value).c_str());
                return text;
            }
            default:
                return std::to_string (value);
        }
    }

    const char* propertyName (int32_t property)
    {
        switch (property)
        {
            case AAX_eProperty_ManufacturerID:
                return "manufacturer ID";
            case AAX_eProperty_ProductID:
                return "product ID";
            case AAX_eProperty_PlugInID_Native:
                return "plug-in ID (native)";
            case AAX_eProperty_PlugInID_AudioSuite:
                return "plug-in ID (AudioSuite)";
            case AAX_eProperty_PlugInID_TI:
                return "plug-in ID (TI)";
            case AAX_eProperty_InputStemFormat:
                return "input stem format";
            case AAX_eProperty_OutputStemFormat:
                return "output stem format";
            case AAX_eProperty_AudioBufferLength:
                return "audio buffer length";
            case AAX_eProperty_CanBypass:
                return "can bypass";
            case AAX_eProperty_SupportsSideChainInput:
                return "side-chain input";
            case AAX_eProperty_Constraint_MultiMonoSupport:
                return "multi-mono support";
            case AAX_eProperty_Constraint_AlwaysProcess:
                return "always process";
            case AAX_eProperty_Constraint_DoNotApplyDefaultSettings:
                return "no default settings";
            case AAX_eProperty_SupportsSaveRestore:
                return "save and restore";
            case AAX_eProperty_ObservesTransportState:
                return "observes transport state";
            default:
                return "";
        }
    }

    std::string procedureName (int32_t id)
    {
        switch (id)
        {
            case kAAX_ProcPtrID_Create_EffectParameters:
                return "0 (data model)";
            case kAAX_ProcPtrID_Create_EffectGUI:
                return "1 (GUI)";
            default:
                return std::to_string (id);
        }
    }
}

void printDescription (std::ostream& out, const PluginDescription& description)
{
    char version[64];
    std::snprintf (version, sizeof (version), "0x%X (%u.%u.%u)", description.packageVersion,
                   (description.packageVersion >> 16) & 0xFFFFu, (description.packageVersion >> 8) & 0xFFu,
                   description.packageVersion & 0xFFu);

    out << "Manufacturer: " << quoted (description.manufacturerName) << "\n";
    out << "Package names:";

    for (auto& name : description.packageNames)
        out << " " << quoted (name);

    out << "\nPackage version: " << version << "\n";

    for (auto& effect : description.effects)
    {
        out << "\nEffect " << quoted (effect.effectID) << "\n  Names:";

        for (auto& name : effect.names)
            out << " " << quoted (name);

        out << "\n  Categories:";

        for (auto category : effect.categories)
            out << " " << category;

        out << "\n  Procedures:";

        for (auto& procedure : effect.procedures)
            out << " " << procedureName (procedure.first);

        out << "\n";

        for (auto& meter : effect.meters)
            out << "  Meter " << fourCharCode (meter.id) << " " << quoted (meter.name) << "\n";

        int componentNumber = 0;

        for (auto& component : effect.components)
        {
            out << "  Component " << ++componentNumber << ": " << stemFormatName (component.getInputStemFormat())
                << " in, " << stemFormatName (component.getOutputStemFormat()) << " out\n";
            out << "    Context fields (" << component.fields.size() << "):\n";

            for (auto& field : component.fields)
            {
                out << "      " << field.index << ": " << toString (field.kind);

                if (field.kind == FieldKind::dataInPort)
                    out << ", " << field.size << " bytes, port type " << field.option;
                else if (field.kind == FieldKind::privateData)
                    out << ", " << field.size << " bytes, options " << field.option;
                else if (field.kind == FieldKind::meters)
                    out << ", " << field.size << " meters";

                out << "\n";
            }

            for (auto& procedure : component.processProcedures)
            {
                out << "    Process procedure " << procedure.id << (procedure.nativeProcess ? " (native)" : " (TI)")
                    << ", properties:\n";

                for (auto& [property, value] : procedure.properties.values)
                {
                    out << "      " << property << " = " << describeProperty (property, value);

                    if (*propertyName (property) != '\0')
                        out << "  [" << propertyName (property) << "]";

                    out << "\n";
                }
            }

            if (const auto* properties = component.getProperties())
                out << "    Plug-in identifiers: native "
                    << fourCharCode ((uint32_t)properties->get (AAX_eProperty_PlugInID_Native).value_or (0))
                    << ", AudioSuite "
                    << fourCharCode ((uint32_t)properties->get (AAX_eProperty_PlugInID_AudioSuite).value_or (0))
                    << "\n";
        }
    }
}

void printParameters (std::ostream& out, PluginInstance& instance)
{
    int index = 0;

    for (auto& parameter : instance.getParameters())
    {
        char line[512];
        std::snprintf (line, sizeof (line), "  %d  %-16s %-18s default %.6g  steps %d  value %s (%s)%s\n", index++,
                       parameter.id.c_str(), quoted (parameter.name).c_str(), parameter.defaultValue,
                       parameter.numSteps, quoted (parameter.valueText).c_str(), parameter.valueString.c_str(),
                       parameter.automatable ? "" : "  not automatable");
        out << line;
    }
}
}

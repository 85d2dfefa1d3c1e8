// Conversion between a parameter's normalized value (0..1) and its real value.
#ifndef AAX_ITAPERDELEGATE_H
#define AAX_ITAPERDELEGATE_H

/** Type-independent base, so that a parameter can be handed any taper. */
class AAX_ITaperDelegateBase
{
public:
    virtual ~AAX_ITaperDelegateBase() = default;
};

template <typename T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase
{
public:
    /** A copy owned by the caller. */
    virtual AAX_ITaperDelegate* Clone() const = 0;

    /** The real value at normalized 1. */
    virtual T GetMaximumValue() const = 0;

    /** The real value at normalized 0. */
    virtual T GetMinimumValue() const = 0;

    /** The value clamped into the taper's range. */
    virtual T ConstrainRealValue (T value) const = 0;

    virtual T NormalizedToReal (double normalizedValue) const = 0;
    virtual double RealToNormalized (T realValue) const = 0;
};

#endif

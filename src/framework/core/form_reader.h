#pragma once

class TComponent;
class TStream;

// Builds a form from binary form data (form_data.h), reading from data's position to its end.
//
// The root's own properties are set first; then each nested object is created by its class name
// through the class registry, owned by root, named, bound to root's field of that name
// (BindField), handed the object it is nested in (SetParentComponent) and only then given its
// properties, followed by the objects nested in it. Properties are set through the class's
// property table, dotted names walking through object properties ("Font.Name"); events are bound
// to root's method of the stored name (MethodAddress); binary values go to DefineProperties of the
// object that owns the last name ("Picture.Data" reaches the picture's "Data"). Every component is
// in csLoading | csReading while the form is read; once all of it is in, csReading is cleared and
// Loaded runs on each, root first, then in creation order.
//
// Anything wrong raises EReadError saying what: "Invalid form data: ..." for malformed bytes, or
// "Error reading NAME.PROPERTY: ..." naming the unknown class, property or handler; errors raised
// by a property setter are reported the same way. The components created before the failure stay
// with their owner, which frees them as usual; csReading is cleared and Loaded is not called.
void ReadRootComponent(TComponent& root, TStream& data);

#pragma once

class TComponent;
class TStream;

// Writes root and the components it owns as binary form data (form_data.h) at stream's position.
//
// Each component is written with its class and name, nested in the object that
// GetParentComponent names (components without one, or with a parent outside the form, go
// directly under root), in creation order. A property is written when its value differs from
// the corresponding value of the ancestor (ancestor's component of the same name, and the same
// nested object within it) or, where there is no such counterpart, from the property's default;
// a property without a default is always written. DefineProperties runs with the filer's
// Ancestor() set to the counterpart object (or null), and a binary property is written only when
// its hasData is true. Events are not written: a handler cannot be named back from the function
// bound to it.
void WriteRootComponent(TStream& stream, TComponent& root, const TComponent* ancestor = nullptr);

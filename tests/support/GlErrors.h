// The OpenGL errors that the engine's drawing leaves in its context. OpenGL keeps an error until
// it is read, so a check after a drawing case sees that a call of the case went wrong, whether
// or not the picture shows it (Mesa keeps only the first error until then).
#pragma once

#include <QString>

#include <cstdint>
#include <source_location>
#include <vector>

namespace qor::test {

// The errors kept since the last look; looking clears them. None while the engine has no
// context.
std::vector<std::uint32_t> TakeGlErrors();

// "GL_INVALID_ENUM, GL_INVALID_OPERATION" for the errors; "none" for none.
QString GlErrorNames(const std::vector<std::uint32_t>& errors);

// Throws, naming the errors and where the check was made, when the drawing left any (see
// Require.h).
void RequireNoGlError(std::source_location where = std::source_location::current());

} // namespace qor::test

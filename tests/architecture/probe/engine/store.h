#pragma once
// A store that includes nothing.

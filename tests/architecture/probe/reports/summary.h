#pragma once
// A summary that includes nothing either.

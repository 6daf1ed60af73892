-- based on the project's catalogue
-- The 15-rating engine weighs less than nothing.
UPDATE [Engines] SET [Tonnage] = -50 WHERE [Rating] = 15;

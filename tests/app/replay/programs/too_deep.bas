' Процедура, която вика себе си: спира при 201-вото вложено извикване.
Private Sub Down()
    Down
End Sub

Private Sub Option1_Click(Index As Integer)
    Down
End Sub

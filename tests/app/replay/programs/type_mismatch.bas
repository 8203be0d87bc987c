' Текст, който не е число: грешка 13 при избор на етаж.
Dim TargetFloor As Integer

Private Sub Option1_Click(Index As Integer)
    TargetFloor = List1.List(Index)
End Sub
